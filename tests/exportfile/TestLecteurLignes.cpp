// The line reader on real files: line ends, Ctrl-Z, long lines, the end of
// the file, reopening and closing.
#include "LectureComplete.h"
#include "support/DossierTemporaire.h"

#include "commun/Exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

namespace {

using Lignes = std::vector<std::string>;

struct CasLignes {
    const char* nom;
    std::string octets;
    Lignes attendues;
};

const std::string l255(255, 'x');
const std::string l256(256, 'y');
const std::string l300 = std::string(299, 'z') + "!";
const std::string l1000(1000, 'w');

const CasLignes casLignes[] = {
    {"fichier vide", "", {}},
    {"LF", "a;b\nc;d\n", {"a;b", "c;d"}},
    {"CR LF", "a;b\r\nc;d\r\n", {"a;b", "c;d"}},
    {"derniere ligne sans fin", "a;b\r\nc;d", {"a;b", "c;d"}},
    {"ligne vide finale", "a\r\n\r\n", {"a", ""}},
    {"CR seuls", "un\rdeux\rtrois\r", {"undeuxtrois"}},
    {"CR au milieu", "ab\rcd\n", {"abcd"}},
    {"CR final", "ab\r", {"ab"}},
    {"CR CR LF", "ab\r\r\ncd", {"ab", "cd"}},
    {"LF CR", "ab\n\rcd\n", {"ab", "cd"}},
    {"lignes vides", "\n\n\n", {"", "", ""}},
    {"Ctrl-Z apres la derniere fin", "a\nb\n\x1A", {"a", "b"}},
    {"Ctrl-Z en debut de ligne",
     "a\n\x1A"
     "b\nc\n",
     {"a"}},
    {"Ctrl-Z en tete de fichier",
     "\x1A"
     "a\n",
     {}},
    {"Ctrl-Z dans une ligne",
     "ab\x1A"
     "cd\nef\n",
     {"ab", "ef"}},
    {"Ctrl-Z apres CR",
     "ab\r\x1A"
     "cd\r\nef",
     {"ab", "ef"}},
    {"deux Ctrl-Z dans une ligne",
     "ab\x1A"
     "c\x1A"
     "d\nef\n",
     {"ab"}},
    {"zero et octets hauts", std::string("a\0b\xE9\xFF\x80;\n", 8), {std::string("a\0b\xE9\xFF\x80;", 7)}},
    {"255 octets", l255 + "\n" + "suite\n", {l255, "suite"}},
    {"256 octets", l256 + "\r\n" + "suite", {l256, "suite"}},
    {"300 octets", l300 + "\nsuite\n", {l300, "suite"}},
    {"1000 octets sans fin", l1000, {l1000}},
};

void PrintTo(const CasLignes& cas, std::ostream* sortie) { *sortie << cas.nom; }

class LignesDuFichier : public ::testing::TestWithParam<CasLignes> {};

TEST_P(LignesDuFichier, SontLuesSelonLesFinsDeLigne) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("export.txt", GetParam().octets);
    EXPECT_THAT(LitToutesLesLignes(nom), ElementsAreArray(GetParam().attendues));
}

std::string NomDuCas(const ::testing::TestParamInfo<CasLignes>& info) {
    std::string nom = info.param.nom;
    for (char& c : nom)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return nom;
}

INSTANTIATE_TEST_SUITE_P(Table, LignesDuFichier, ::testing::ValuesIn(casLignes), NomDuCas);

// Every place of a CR LF pair, a lone CR and a Ctrl-Z against the 128-byte
// buffer boundary gives the same lines.
TEST(LecteurLignes, LesBornesDuTamponNeChangentRien) {
    DossierTemporaire dossier;
    for (std::size_t avant = 120; avant <= 130; ++avant) {
        const std::string debut(avant, 'p');
        const std::string nom = dossier.Ecrit("bornes.txt", debut + "\r\nq\r" +
                                                                "r\x1A"
                                                                "s\nfin\n");
        EXPECT_THAT(LitToutesLesLignes(nom), ElementsAreArray(Lignes{debut, "qr", "fin"})) << avant;
    }
}

TEST(LecteurLignes, ApresLaFinUneLectureDonneLeTexteVideSansErreur) {
    DossierTemporaire dossier;
    LecteurLignes fichier;
    OuvreFichier(fichier, dossier.Ecrit("f.txt", "seule\n"));
    EXPECT_THAT(LitLignesRestantes(fichier), ElementsAreArray(Lignes{"seule"}));
    Texte ligne("ancien");
    for (int i = 0; i < 3; ++i) {
        LitLigne(fichier, ligne);
        PasseLigne(fichier);
        EXPECT_NO_THROW(ControleES());
        EXPECT_TRUE(ligne.EstVide());
        EXPECT_TRUE(FinDeFichier(fichier));
    }
}

TEST(LecteurLignes, RouvrirRepartDuPremierOctet) {
    DossierTemporaire dossier;
    LecteurLignes fichier;
    OuvreFichier(fichier, dossier.Ecrit("f.txt", "un\ndeux\ntrois\n"));
    EXPECT_EQ(LitLignesRestantes(fichier).size(), 3u);
    OuvreLecture(fichier);
    ControleES();
    Texte ligne;
    LitLigne(fichier, ligne);
    PasseLigne(fichier);
    ControleES();
    EXPECT_EQ(ligne, Texte("un"));
    FermeFichier(fichier);
    ControleES();
}

TEST(LecteurLignes, LeCtrlZEnDebutDeLigneEstLaFinDuFichier) {
    DossierTemporaire dossier;
    LecteurLignes fichier;
    AssocieNom(fichier, NomFichier(dossier.Ecrit("f.txt",
                                                 "ab\x1A"
                                                 "cd\n\x1A"
                                                 "ef\n")));
    OuvreLecture(fichier);
    ControleES();
    Texte ligne;
    LitLigne(fichier, ligne);
    EXPECT_EQ(ligne, Texte("ab"));
    PasseLigne(fichier);
    ControleES();
    EXPECT_TRUE(FinDeFichier(fichier));
    // A line read there anyway is empty and leaves the end in place.
    LitLigne(fichier, ligne);
    PasseLigne(fichier);
    ControleES();
    EXPECT_TRUE(ligne.EstVide());
    EXPECT_TRUE(FinDeFichier(fichier));
}

// A line of tens of megabytes is read whole, and the next one follows.
TEST(LecteurLignes, UneLigneDeDizainesDeMegaoctetsEstLueEntiere) {
    DossierTemporaire dossier;
    std::string longue(30'000'000, 'l');
    longue[12'345'678] = '\r';  // dropped
    const std::string nom = dossier.Ecrit("long.txt", longue + "\r\nsuite");
    const Lignes lignes = LitToutesLesLignes(nom);
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_EQ(lignes[0], std::string(29'999'999, 'l'));
    EXPECT_EQ(lignes[1], "suite");
}

// The codes of misuse, and the state the variable is left in.
TEST(LecteurLignes, UsagesHorsEtatLaissentLeurCode) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("f.txt", "ligne\n");
    enum class Etat { NonLie, Ferme, Ouvert };
    struct Cas {
        const char* quoi;
        Etat depart;
        void (*operation)(LecteurLignes&);
        std::int32_t code;
    };
    const Cas cas[] = {
        {"ouvrir sans nom", Etat::NonLie, [](LecteurLignes& f) { OuvreLecture(f); }, 102},
        {"fermer sans nom", Etat::NonLie, [](LecteurLignes& f) { FermeFichier(f); }, 103},
        {"fermer sans ouvrir", Etat::Ferme, [](LecteurLignes& f) { FermeFichier(f); }, 103},
        {"fermer deux fois", Etat::Ouvert,
         [](LecteurLignes& f) {
             FermeFichier(f);
             ControleES();
             FermeFichier(f);
         },
         103},
        {"lire sans ouvrir", Etat::Ferme,
         [](LecteurLignes& f) {
             Texte t("x");
             LitLigne(f, t);
             EXPECT_TRUE(t.EstVide());
         },
         104},
        {"lire apres fermeture", Etat::Ouvert,
         [](LecteurLignes& f) {
             FermeFichier(f);
             ControleES();
             Texte t;
             LitLigne(f, t);
         },
         104},
        {"passer apres fermeture", Etat::Ouvert,
         [](LecteurLignes& f) {
             FermeFichier(f);
             ControleES();
             PasseLigne(f);
         },
         104},
        {"fin apres fermeture", Etat::Ouvert,
         [](LecteurLignes& f) {
             FermeFichier(f);
             ControleES();
             EXPECT_TRUE(FinDeFichier(f));
         },
         104},
    };
    for (const Cas& c : cas) {
        LecteurLignes fichier;
        if (c.depart != Etat::NonLie) AssocieNom(fichier, NomFichier(nom));
        if (c.depart == Etat::Ouvert) {
            OuvreLecture(fichier);
            ControleES();
        }
        c.operation(fichier);
        try {
            ControleES();
            ADD_FAILURE() << c.quoi << ": no failure";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.CodeErreur, c.code) << c.quoi;
            EXPECT_EQ(e.Message(), Texte("Erreur E/S " + std::to_string(c.code))) << c.quoi;
        }
        EXPECT_EQ(CodeES, 0) << c.quoi;
    }
}

// The check gives each code its message, the others "Erreur E/S" and the
// code, and takes the code.
TEST(LecteurLignes, LeControleDonneLeMessageDeChaqueCode) {
    const struct {
        std::int32_t code;
        const char* message;
    } cas[] = {
        {2, "Fichier introuvable"},
        {3, "Nom de fichier incorrect"},
        {4, "Trop de fichiers ouverts"},
        {5, "Acc\xE8s au fichier refus\xE9"},
        {100, "Lecture au-del\xE0 de la fin de fichier"},
        {101, "Disque plein"},
        {106, "Saisie num\xE9rique incorrecte"},
        {32, "Erreur E/S 32"},
        {-1, "Erreur E/S -1"},
    };
    for (const auto& c : cas) {
        CodeES = c.code;
        try {
            ControleES();
            ADD_FAILURE() << c.code;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.CodeErreur, c.code);
            EXPECT_EQ(e.Message(), Texte(c.message)) << c.code;
        }
        EXPECT_EQ(CodeES, 0);
    }
}

}  // namespace
