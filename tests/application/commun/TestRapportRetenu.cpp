// The rule by which both windows put report lines into their report box,
// over a box of the test's own that counts as either window's control does:
// a line break of one character ("\n" on Linux, CR alone on Windows), and
// optionally the double-byte code page's pairs as one character. Lines kept back and
// poured by blocks must give exactly what adding every line alone gives,
// failure included, with as few insertions as the capacity allows.
#include "application/RapportRetenu.h"
#include "commun/Exceptions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

class BoiteSimulee : public BoiteRapport {
public:
    BoiteSimulee(std::string_view saut, bool doubleOctet, std::int64_t capacite, std::string texte)
        : BoiteRapport(saut), doubleOctet_(doubleOctet), texte_(std::move(texte)) {
        FixeCapacite(capacite);
    }

    void Vide() override { texte_.clear(); }
    std::int64_t Longueur() const override { return Caracteres(Texte(texte_)); }
    std::int64_t Caracteres(const Texte& texte) const override {
        std::int64_t caracteres = 0;
        for (std::int32_t i = 1; i <= texte.Longueur(); ++i, ++caracteres)
            if (doubleOctet_ && texte.Octet(i) >= 0x81) ++i;
        return caracteres;
    }
    bool FinitParSaut() const override { return texte_.empty() || texte_.ends_with(SautDeLigne()); }
    void InsereALaFin(const Texte& texte) override {
        texte_ += texte.Octets();
        ++insertions;
    }

    const std::string& Texte_() const { return texte_; }
    int insertions = 0;

private:
    bool doubleOctet_;
    std::string texte_;
};

struct Cas {
    const char* Nom;
    const char* Saut;
    bool DoubleOctet;
    std::int64_t Capacite;
    std::string Initial;
    std::vector<Texte> Lignes;
    std::string Attendu;
    int LigneEnEchec;  // -1: every line taken
    int Insertions;    // by the lines kept back
};

// The rank of the line whose adding failed, with the right failure; -1 when none did.
template <typename Ajout>
int RangEnEchec(const std::vector<Texte>& lignes, Ajout ajoute) {
    int rang = 0;
    try {
        for (; rang < static_cast<int>(lignes.size()); ++rang) ajoute(lignes[static_cast<std::size_t>(rang)]);
        ajoute(std::nullopt);
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message().Octets(), "Erreur d'insertion de ligne RichEdit");
        return rang;
    }
    return -1;
}

std::vector<Texte> Repetees(const Texte& ligne, std::size_t nombre) { return std::vector<Texte>(nombre, ligne); }

std::string Repete(const std::string& texte, int fois) {
    std::string resultat;
    for (int i = 0; i < fois; ++i) resultat += texte;
    return resultat;
}

// A character of the Japanese code page: two bytes.
const std::string Kana = "\x82\xa0";

TEST(RapportRetenu, LesLignesRetenuesDonnentLeTexteEtLEchecDesLignesAjouteesUneAUne) {
    const Cas cas[] = {
        {"loin de la capacité, un seul versement", "\n", false, CapaciteRapport, "", {"A", "", "B"}, "A\n\nB\n", -1, 1},
        {"après un texte tapé sans saut final", "\n", false, 100, "tap\xe9", {"A", "B"}, "tap\xe9\nA\nB", -1, 1},
        {"la ligne qui ne tient pas entière", "\n", false, 10, "", {"abc", "def", "ghij", "k"}, "abc\ndef\n", 2, 1},
        {"CR seul, un caractère", "\r", false, 9, "", {"abc", "def", "g"}, "abc\rdef\r", 2, 1},
        {"deux octets, un caractère",
         "\r",
         true,
         6,
         "",
         {Kana + Kana, Kana + Kana, "x"},
         Repete(Kana + Kana + "\r", 2),
         2,
         2},
        // Every date refused near the capacity: each line goes in alone or in
        // a block that surely fits, and the first line past it fails.
        {"tout refusé près de la capacité", "\r", true, 3000, "", Repetees(Texte(Kana + Kana), 1001),
         Repete(Kana + Kana + "\r", 1000), 1000, 15},
    };
    for (const Cas& c : cas) {
        BoiteSimulee uneAUne(c.Saut, c.DoubleOctet, c.Capacite, c.Initial);
        const int echecUneAUne = RangEnEchec(c.Lignes, [&](std::optional<Texte> ligne) {
            if (ligne) uneAUne.AjouteLigne(*ligne);
        });
        BoiteSimulee retenue(c.Saut, c.DoubleOctet, c.Capacite, c.Initial);
        RapportRetenu rapport(retenue);
        const int echecRetenu = RangEnEchec(c.Lignes, [&](std::optional<Texte> ligne) {
            if (ligne) rapport.Ajoute(*ligne);
            else rapport.Verse();
        });
        EXPECT_EQ(uneAUne.Texte_(), c.Attendu) << c.Nom;
        EXPECT_EQ(echecUneAUne, c.LigneEnEchec) << c.Nom;
        EXPECT_EQ(retenue.Texte_(), c.Attendu) << c.Nom;
        EXPECT_EQ(echecRetenu, c.LigneEnEchec) << c.Nom;
        EXPECT_EQ(retenue.insertions, c.Insertions) << c.Nom;
    }
}

TEST(RapportRetenu, UnLongRapportEntreParBlocs) {
    BoiteSimulee boite("\r", false, CapaciteRapport, "");
    RapportRetenu rapport(boite);
    for (int i = 0; i < 100'000; ++i) rapport.Ajoute(Texte("acte " + std::to_string(i) + " : 31/02/1850"));
    rapport.Verse();
    EXPECT_LE(boite.insertions, 13);
    EXPECT_TRUE(boite.Texte_().ends_with("acte 99999 : 31/02/1850\r"));
}

}  // namespace
