// The survey of "Ouvre" over real files: line count, marker, kind of acts.
#include "commun/Exceptions.h"
#include "depart/EtatPropre.h"
#include "depart/Survol.h"

#include <limits>

namespace {

struct Survol {
    bool marque;
    Texte typeActes;
};

class TestSurvol : public EtatPropre {
protected:
    Survol Survole(const std::string& octets, const std::string& nom = "export.txt") {
        SurvoleExport(NomFichier(dossier_.Ecrit(nom, octets)));
        const bool marque = PorteLaMarque();
        DecoupeEntete();
        return {marque, ChoisitTypeActes()};
    }
};

struct CasType {
    const char* nom;
    std::string derniereLigne;
    const char* typeActes;
    std::int32_t nbChamps;
    friend void PrintTo(const CasType& cas, std::ostream* flux) { *flux << cas.nom; }
};

class TypeDesActes : public TestSurvol, public ::testing::WithParamInterface<CasType> {};

TEST_P(TypeDesActes, VientDuSixiemeChampDeLaDerniereLigne) {
    const CasType& cas = GetParam();
    const Survol survol = Survole(Export({LigneExport("a", "01/01/1850", "D"), cas.derniereLigne}));
    EXPECT_TRUE(survol.marque);
    EXPECT_EQ(survol.typeActes, Texte(cas.typeActes));
    EXPECT_EQ(NbChamps, cas.nbChamps);
    EXPECT_EQ(NbLignes, 2);
}

INSTANTIATE_TEST_SUITE_P(Cas, TypeDesActes,
                         ::testing::Values(CasType{"Naissances", "TABRENNV3;1;r;c;22;N;", "Naissances", 30},
                                           CasType{"Mariages", "TABRENNV3;1;r;c;22;M;01/01/1850", "Mariages", 60},
                                           CasType{"Deces", "TABRENNV3;1;r;c;22;D;",
                                                   "D\xE9"
                                                   "c\xE8s",
                                                   38},
                                           CasType{"MinusculeN", "TABRENNV3;1;r;c;22;n;", "Divers", 64},
                                           CasType{"NSuiviDunBlanc", "TABRENNV3;1;r;c;22;N ;", "Divers", 64},
                                           CasType{"Vide", "TABRENNV3;1;r;c;22;;", "Divers", 64},
                                           CasType{"CinqSeparateursAvantN", "TABRENNV3;1;r;c;22;N", "Divers", 64},
                                           CasType{"MarqueEnFinDeLigne", "1;r;c;22;X;M;TABRENNV3", "Mariages", 60}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

struct CasMarque {
    const char* nom;
    std::string octets;
    bool marque;
    std::int32_t nbLignes;
    friend void PrintTo(const CasMarque& cas, std::ostream* flux) { *flux << cas.nom; }
};

class MarqueExport : public TestSurvol, public ::testing::WithParamInterface<CasMarque> {};

TEST_P(MarqueExport, SeCherchePartoutDansLaDerniereLigneSeulement) {
    const CasMarque& cas = GetParam();
    EXPECT_EQ(Survole(cas.octets).marque, cas.marque);
    EXPECT_EQ(NbLignes, cas.nbLignes);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, MarqueExport,
    ::testing::Values(CasMarque{"SurLaDerniereSeulement", Export({"1;a;b", "2;c;d", "TABRENNV3;3;e;f;22;N;"}), true, 3},
                      CasMarque{"SurLaPremiereSeulement", Export({"TABRENNV3;1;a;b;22;N;", "2;c;d"}), false, 2},
                      CasMarque{"LigneVideALaFin", Export({"TABRENNV3;1;a;b;22;N;", ""}), false, 2},
                      CasMarque{"FinsDeLigneCRSeules", Export({"1;a;b;c;d;M;x", "TABRENNV3;2"}, "\r"), true, 1},
                      CasMarque{"CtrlZApresLaDerniereLigne",
                                Export({"TABRENNV3;1;a;b;22;N;"}) + "\x1A"
                                                                    "1;2;3",
                                true, 1},
                      CasMarque{"SansFinDeLigne", "TABRENNV3;1;a;b;22;N;", true, 1},
                      CasMarque{"OctetZeroAvantLaMarque", Export({std::string("a\0;TABRENNV3", 12)}), false, 1}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST_F(TestSurvol, FinsDeLigneCRSeulesDonnentLeTypeDuPremierEnregistrement) {
    EXPECT_EQ(Survole(Export({"1;a;b;c;d;M;x", "TABRENNV3;2;e;f;g;N;"}, "\r")).typeActes, Texte("Mariages"));
}

TEST_F(TestSurvol, FichierVideAuPremierOuvreNaPasLaMarqueEtDonneDivers) {
    const Survol survol = Survole("");
    EXPECT_FALSE(survol.marque);
    EXPECT_EQ(survol.typeActes, Texte("Divers"));
    EXPECT_EQ(NbLignes, 0);
}

TEST_F(TestSurvol, FichierVideApresUnAutreGardeLaLignePrecedente) {
    Survole(Export({"TABRENNV3;1;a;b;22;N;reste TABRENNV3"}));
    // Another name: on Windows the survey holds the first file against writers.
    EXPECT_TRUE(Survole("", "vide.txt").marque);
    EXPECT_EQ(NbLignes, 0);
}

TEST_F(TestSurvol, LeFichierResteOuvertSurSaPremiereLigne) {
    Survole(Export({"TABRENNV3;premiere", "TABRENNV3;1;a;b;22;N;"}));
    Texte lue;
    LitLigne(FichierExport, lue);
    ControleES();
    EXPECT_EQ(lue, Texte("TABRENNV3;premiere"));
}

TEST_F(TestSurvol, LeCompteDepasseLes32BitsEnRepartantDuBas) {
    NbLignes = std::numeric_limits<std::int32_t>::max();
    OuvreFichierExport(NomFichier(dossier_.Ecrit("export.txt", Export({"un"}))));
    CompteLignes();
    EXPECT_EQ(NbLignes, std::numeric_limits<std::int32_t>::min());
}

TEST_F(TestSurvol, FichierAbsentLeveFichierIntrouvable) {
    NbLignes = 0;
    try {
        OuvreFichierExport(NomFichier((dossier_.Chemin() / "absent.txt").string()));
        FAIL() << "pas d'erreur";
    } catch (const EInOutError& erreur) {
        EXPECT_EQ(erreur.CodeErreur, 2);
        EXPECT_EQ(erreur.Message(), Texte("Fichier introuvable"));
    }
}

}  // namespace
