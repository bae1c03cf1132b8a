// The check of "Traite" over real files: the report, its order, the fields
// per kind, the progress calls, and the input/output failures.
#include "commun/Exceptions.h"
#include "depart/AutreConvention.h"
#include "depart/EtatPropre.h"
#include "depart/SequencesAccueil.h"
#include "depart/Survol.h"
#include "depart/Verification.h"

#include <filesystem>
#include <functional>
#include <iterator>

namespace {

class ObservateurEnregistreur : public ObservateurVerification {
public:
    void Avance(std::int32_t n) override { positions.push_back(n); }
    void MontreProgression() override { progressions.push_back(positions.back()); }
    void AjouteLigneRapport(const Texte& ligne) override {
        if (capacite-- == 0) throw EOutOfResources(Texte("plein"));
        rapport.push_back(ligne);
    }

    std::vector<std::int32_t> positions;
    std::vector<std::int32_t> progressions;
    std::vector<Texte> rapport;
    int capacite = -1;
};

// Controls that do nothing, but whose report box refuses the lines kept back.
class ControlesBoiteEnPanne : public ControlesAccueil {
public:
    bool ExecuteOpenDialog() override { return false; }
    NomFichier FileNameOpenDialog() override { return {}; }
    void MontreEntree(bool) override {}
    void DimensionneEntree(int, int) override {}
    void VideEntree() override {}
    void AjouteLigneEntree(const Texte&) override {}
    void VerseLignesEntree() override { throw EOutOfResources(Texte("plein")); }
    void MontreProgression(bool) override {}
    void FixeMaxProgression(std::int32_t) override {}
    void FixePositionProgression(std::int32_t) override {}
    void RepeintProgression() override {}
    void FixeTexteChampType(const Texte&) override {}
    void FixeTexteChampNombre(const Texte&) override {}
    int AfficheMessage(const TexteMixte&, const TexteMixte&, std::uint32_t) override { return 1; }
    void DemandeFin() override {}
};

class TestVerification : public EtatPropre {
protected:
    void Ouvre(const std::string& octets, const std::string& nom = "export.txt") {
        chemin_ = dossier_.Ecrit(nom, octets);
        SurvoleExport(NomFichier(chemin_));
        DecoupeEntete();
        ChoisitTypeActes();
    }

    void Traite() {
        DebuteVerification();
        VerifieEnregistrements(observateur_);
        FermeExport();
    }

    std::string chemin_;
    ObservateurEnregistreur observateur_;
};

// A file of 25 valid records with two refused dates on lines 4 and 17.
std::vector<std::string> VingtCinqLignes(const std::string& code, int nbChamps) {
    std::vector<std::string> lignes;
    for (int numero = 1; numero <= 25; ++numero) {
        const std::string date = numero == 4 ? "31/02/1850" : numero == 17 ? "1850" : "12/03/1850";
        lignes.push_back(LigneExport("ref" + std::to_string(numero), date, code, nbChamps));
    }
    return lignes;
}

struct CasRapport {
    const char* nom;
    std::vector<std::string> lignes;
    std::vector<Texte> rapport;
    friend void PrintTo(const CasRapport& cas, std::ostream* flux) { *flux << cas.nom; }
};

class RapportDesDates : public TestVerification, public ::testing::WithParamInterface<CasRapport> {};

TEST_P(RapportDesDates, ListeLesDatesRefuseesDansLOrdreDuFichier) {
    Ouvre(Export(GetParam().lignes));
    Traite();
    EXPECT_EQ(observateur_.rapport, GetParam().rapport);
    EXPECT_EQ(NbErreurs, 1 + static_cast<std::int32_t>(GetParam().rapport.size()));
    EXPECT_EQ(NombreDeRefus(), GetParam().rapport.size());
    EXPECT_EQ(DatesRefusees(), !GetParam().rapport.empty());
}

const std::vector<Texte> RapportVingtCinq = {Texte("ref4 : 31/02/1850"), Texte("ref17 : 1850")};

INSTANTIATE_TEST_SUITE_P(
    Cas, RapportDesDates,
    ::testing::Values(CasRapport{"VingtCinqLignesNaissances", VingtCinqLignes("N", 30), RapportVingtCinq},
                      CasRapport{"VingtCinqLignesDivers", VingtCinqLignes("X", 64), RapportVingtCinq},
                      CasRapport{"VingtCinqLignesDiversLignesCourtes", VingtCinqLignes("X", 8), RapportVingtCinq},
                      CasRapport{"ToutesValides", {LigneExport("a", "01/01/1850"), LigneExport("b", " 1/1/50 ")}, {}},
                      CasRapport{"DateVide", {LigneExport("sans date", "")}, {Texte("sans date : ")}},
                      CasRapport{
                          "MoinsDeSeptSeparateurs", {"TABRENNV3;1;court;c;22;N;12/03/1850"}, {Texte("court : ")}},
                      CasRapport{"OctetsWindows1252",
                                 {LigneExport("Le C\x9C"
                                              "ur \x80",
                                              "1850")},
                                 {Texte("Le C\x9C"
                                        "ur \x80 : 1850")}},
                      CasRapport{"ChampEnSurplusDansLeDernier", {LigneExport("a", "01/01/1850", "N", 40)}, {}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST_F(TestVerification, AvanceSurChaqueLigneEtMontreLaProgressionToutesLesDix) {
    Ouvre(Export(VingtCinqLignes("N", 30)));
    Traite();
    EXPECT_EQ(observateur_.positions.size(), 25u);
    EXPECT_EQ(observateur_.positions.back(), 24);
    EXPECT_EQ(observateur_.progressions, (std::vector<std::int32_t>{0, 10, 20}));
}

TEST_F(TestVerification, LeDernierChampPrendLeResteDeLaLigne) {
    Ouvre(Export({"TABRENNV3;1;a;b;22;D;01/01/1850;" + std::string(30, ';') + "fin;et;reste"}));
    Traite();
    EXPECT_EQ(Champ[38], Texte("fin;et;reste"));
    EXPECT_EQ(Ligne, Texte("fin;et;reste"));
}

TEST_F(TestVerification, TraiteAvantOuvreEchoueALaFermetureAvec103) {
    DebuteVerification();
    VerifieEnregistrements(observateur_);
    try {
        FermeExport();
        FAIL() << "pas d'erreur";
    } catch (const EInOutError& erreur) {
        EXPECT_EQ(erreur.CodeErreur, 103);
        EXPECT_EQ(erreur.Message(), Texte("Erreur E/S 103"));
    }
    EXPECT_TRUE(observateur_.positions.empty());
}

TEST_F(TestVerification, TraiteDeuxFoisEchoueALaPremiereLectureAvec104) {
    Ouvre(Export(VingtCinqLignes("N", 30)));
    Traite();
    ObservateurEnregistreur second;
    DebuteVerification();
    try {
        VerifieEnregistrements(second);
        FAIL() << "pas d'erreur";
    } catch (const EInOutError& erreur) {
        EXPECT_EQ(erreur.CodeErreur, 104);
    }
    EXPECT_EQ(second.positions, (std::vector<std::int32_t>{0}));
    EXPECT_TRUE(second.rapport.empty());
}

// The failure that stopped "Traite" is the one shown, even when the report
// box then refuses the lines kept back.
TEST_F(TestVerification, LaBoiteQuiRefuseLesLignesRetenuesNeRemplacePasLEchecDuControle) {
    Ouvre(Export(VingtCinqLignes("N", 30)));
    FermeExport();
    ControlesBoiteEnPanne controles;
    try {
        SequenceTraite(controles);
        FAIL() << "pas d'erreur";
    } catch (const EInOutError& erreur) {
        EXPECT_EQ(erreur.CodeErreur, 104);
    }
}

// After a first "Ouvre" that failed while counting, NbChamps is still 0: the
// check reads on without writing outside the field table.
TEST_F(TestVerification, SansTypeDActesLaLigneNEstPasRangee) {
    OuvreFichierExport(NomFichier(dossier_.Ecrit("export.txt", Export({LigneExport("a", "1850")}))));
    NbLignes = 2;
    Traite();
    EXPECT_EQ(NbChamps, 0);
    EXPECT_EQ(observateur_.rapport, (std::vector<Texte>{Texte(" : "), Texte(" : ")}));
    EXPECT_EQ(NbErreurs, 3);
}

// A file changed or removed after it was surveyed is never reported on:
// either the platform refuses the change while the tool holds the file
// (Windows' sharing), and the check reads what was surveyed, or the reader
// sees the change (Linux) and the check stops with an input/output failure.
TEST_F(TestVerification, UnFichierChangeApresOuvreArreteLeControle) {
    const std::vector<std::function<void(const std::string&)>> changements = {
        [](const std::string& chemin) { std::filesystem::resize_file(chemin, 0); },
        [](const std::string& chemin) { std::ofstream(chemin, std::ios::app) << "ajout\r\n"; },
        [](const std::string& chemin) { std::filesystem::remove(chemin); },
    };
    const std::string octets = Export({LigneExport("a", "01/01/1850"), LigneExport("b", "1850")});
    for (const auto& change : changements) {
        ReinitialiseDepart();
        Ouvre(octets);
        try {
            change(chemin_);
        } catch (const std::filesystem::filesystem_error&) {}
        std::ifstream relu(chemin_, std::ios::binary);
        const bool inchange = relu && std::string(std::istreambuf_iterator<char>(relu), {}) == octets;
        DebuteVerification();
        if (inchange) {
            VerifieEnregistrements(observateur_);
            EXPECT_EQ(NbErreurs, 2) << "one refused date, 1850";
        } else {
            EXPECT_THROW(VerifieEnregistrements(observateur_), EInOutError);
        }
    }
}

TEST_F(TestVerification, UnRapportPleinArreteSansCompterLaLigneRefusee) {
    Ouvre(Export(VingtCinqLignes("N", 30)));
    observateur_.capacite = 1;
    DebuteVerification();
    EXPECT_THROW(VerifieEnregistrements(observateur_), EOutOfResources);
    EXPECT_EQ(observateur_.rapport, (std::vector<Texte>{Texte("ref4 : 31/02/1850")}));
    EXPECT_EQ(NbErreurs, 2);
    EXPECT_EQ(observateur_.positions.back(), 16);
}

// At least 20 refused dates, more than half of them valid under one other
// convention; on a tie, the settings' own order.
TEST_F(TestVerification, IndiceDUneAutreConventionSelonLesDatesRefusees) {
    const struct {
        std::vector<std::pair<std::size_t, std::string>> dates;
        std::string court;
    } cas[] = {
        {{{19, "1850-05-12"}}, "aucun"},
        {{{20, "1850-05-12"}}, "a-m-j ? 100 % des refus"},
        {{{10, "1850-05-12"}, {10, "1850"}}, "aucun"},
        {{{11, "1850.05.12"}, {9, "1850"}}, "a.m.j ? 55 % des refus"},
        {{{20, "12/31/1850"}}, "m/j/a ? 100 % des refus"},
        {{{20, "05-12-1850"}, {1, "1850-05-12"}}, "j-m-a ? 95 % des refus"},
        {{{30, "12/05/1850"}, {20, "1850"}}, "aucun"},
    };
    for (const auto& [dates, court] : cas) {
        ReinitialiseDepart();
        std::vector<std::string> lignes;
        for (const auto& [nombre, date] : dates) lignes.insert(lignes.end(), nombre, LigneExport("r", date));
        Ouvre(Export(lignes));
        Traite();
        const auto indice = IndiceAutreConvention();
        EXPECT_EQ(indice ? indice->Court.Octets() : "aucun", court) << dates.front().second;
    }
}

struct CasDate {
    const char* texte;
    bool valide;
    friend void PrintTo(const CasDate& cas, std::ostream* flux) { *flux << '"' << cas.texte << '"'; }
};

class DateValideFrancaise : public EtatPropre, public ::testing::WithParamInterface<CasDate> {};

TEST_P(DateValideFrancaise, RepondSansLever) {
    EXPECT_EQ(DateValide(Texte(GetParam().texte)), GetParam().valide) << GetParam().texte;
}

INSTANTIATE_TEST_SUITE_P(Cas, DateValideFrancaise,
                         ::testing::Values(CasDate{"12/03/1850", true}, CasDate{"29/02/1852", true},
                                           CasDate{"29/02/1850", false}, CasDate{"31/02/1850", false},
                                           CasDate{"1850", false}, CasDate{"", false}, CasDate{"29/02", false},
                                           CasDate{"28/02", true}, CasDate{"12-03-1850", false},
                                           CasDate{"12/03/1850x", false}));

}  // namespace
