// controle-dates-lot end to end, on real files under fr_FR.UTF-8: exit
// statuses, the report and its conversion to UTF-8, the messages, and the
// verdict on dates.
#include "LanceProgramme.h"

#include "depart/OutilsExport.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

const std::string Francais = "LC_ALL=fr_FR.UTF-8";

ResultatProgramme Compagnon(const std::vector<std::string>& arguments, const std::string& locale = Francais) {
    return LanceProgramme(CHEMIN_COMPAGNON, arguments, {locale});
}

std::string Exemple(const std::string& nom) { return std::string(DOSSIER_EXEMPLES) + "/" + nom; }

TEST(Compagnon, ExportSansDateRefuseeSortAvecZero) {
    const ResultatProgramme resultat = Compagnon({Exemple("naissances-valides.txt")});
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.sortie, "");
    EXPECT_EQ(resultat.erreurs, "Actes de : Naissances\nNb d'actes : 20\nContrôle terminé !\n");
}

TEST(Compagnon, ExportAvecDatesRefuseesLesEcritEnUtf8DansLOrdre) {
    const ResultatProgramme resultat = Compagnon({Exemple("mariages-a-corriger.txt")});
    EXPECT_EQ(resultat.statut, 1);
    EXPECT_EQ(resultat.sortie,
              "M1901-003 Tanguy Jeanne × Prigent Joseph : 31/02/1850\n"
              "M1869-007 Le Fèvre Françoise × Le Gall Joseph : 1850\n"
              "M1846-011 Le Roux Hélène × Kerhervé Joseph : \n"
              "M1900-014 Le Dû Noël × Le Dû Périne : 12/13/1861\n"
              "M1853-018 Nédélec François × Nédélec Périne : 30-04-1870\n"
              "M1895-021 Kerhervé Anne × Le Roux Corentin : 29/02/1873\n");
    EXPECT_EQ(resultat.erreurs, "Actes de : Mariages\nNb d'actes : 24\nCopiez les résultats !\n");
}

TEST(Compagnon, ConvertitLesOctetsWindows1252DuChamp3) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.Ecrit("export.txt", Export({LigneExport("\xE9 \xE8 \xE7 \x9C \x80", "1850"),
                                                                   LigneExport("\x81\x8D\x8F\x90\x9D", "")}));
    const ResultatProgramme resultat = Compagnon({chemin});
    EXPECT_EQ(resultat.statut, 1);
    EXPECT_EQ(resultat.sortie, "é è ç œ € : 1850\n\u0081\u008D\u008F\u0090\u009D : \n");
}

// A path longer than the window's dialog holds is read all the same.
TEST(Compagnon, CheminLongAccepte) {
    DossierTemporaire dossier;
    const auto sousDossier = dossier.Chemin() / std::string(200, 'd') / std::string(100, 'e');
    std::filesystem::create_directories(sousDossier);
    const std::string chemin = (sousDossier / "export.txt").string();
    std::ofstream(chemin, std::ios::binary) << Export({LigneExport("a", "1850")});
    const ResultatProgramme resultat = Compagnon({chemin});
    EXPECT_EQ(resultat.statut, 1);
    EXPECT_EQ(resultat.sortie, "a : 1850\n");
}

struct CasEchec {
    const char* nom;
    std::string octets;  // empty name: the file is not created
    std::string message;
    friend void PrintTo(const CasEchec& cas, std::ostream* flux) { *flux << cas.nom; }
};

class EchecDuCompagnon : public ::testing::TestWithParam<CasEchec> {};

TEST_P(EchecDuCompagnon, SortAvecDeuxEtLeMessageDeLaFenetre) {
    DossierTemporaire dossier;
    const CasEchec& cas = GetParam();
    const std::string chemin = std::string(cas.nom) == "FichierAbsent" ? (dossier.Chemin() / "absent.txt").string()
                                                                       : dossier.Ecrit("export.txt", cas.octets);
    const ResultatProgramme resultat = Compagnon({chemin});
    EXPECT_EQ(resultat.statut, 2);
    EXPECT_EQ(resultat.sortie, "");
    EXPECT_EQ(resultat.erreurs, cas.message + "\n");
}

const std::string PasUnExport = "Ce n'est pas un fichier export de Tabrenn 3!";

INSTANTIATE_TEST_SUITE_P(
    Cas, EchecDuCompagnon,
    ::testing::Values(CasEchec{"FichierAbsent", "", "Fichier introuvable."}, CasEchec{"FichierVide", "", PasUnExport},
                      CasEchec{"SansMarque", Export({"1;2;3;4;5;N;01/01/1850"}), PasUnExport},
                      CasEchec{"LigneVideALaFin", Export({LigneExport("a", "01/01/1850"), ""}), PasUnExport},
                      CasEchec{"MarqueSurLaPremiereLigneSeulement",
                               Export({LigneExport("a", "01/01/1850"), "1;2;3;4;5;N;01/01/1850"}), PasUnExport}),
    [](const auto& cas) { return std::string(cas.param.nom); });

struct CasUsage {
    const char* nom;
    std::vector<std::string> arguments;
    int statut;
    const char* debutSortie;
    const char* debutErreurs;
    friend void PrintTo(const CasUsage& cas, std::ostream* flux) { *flux << cas.nom; }
};

class UsageDuCompagnon : public ::testing::TestWithParam<CasUsage> {};

TEST_P(UsageDuCompagnon, RepondEnFrancais) {
    const CasUsage& cas = GetParam();
    const ResultatProgramme resultat = Compagnon(cas.arguments);
    EXPECT_EQ(resultat.statut, cas.statut);
    EXPECT_EQ(resultat.sortie.rfind(cas.debutSortie, 0), 0u) << resultat.sortie;
    EXPECT_EQ(resultat.erreurs.rfind(cas.debutErreurs, 0), 0u) << resultat.erreurs;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, UsageDuCompagnon,
    ::testing::Values(CasUsage{"Aide", {"--help"}, 0, "Usage : controle-dates-lot FICHIER", ""},
                      CasUsage{"Version", {"--version"}, 0, "controle-dates-lot 1.01\n", ""},
                      CasUsage{"SansArgument", {}, 2, "", "controle-dates-lot : il manque le fichier à contrôler."},
                      CasUsage{"OptionInconnue", {"--vite"}, 2, "", "controle-dates-lot : option inconnue : --vite"},
                      CasUsage{"DeuxFichiers", {"a", "b"}, 2, "", "controle-dates-lot : un seul fichier à la fois."},
                      CasUsage{"DateSansTexte", {"--date"}, 2, "", "controle-dates-lot : l'option --date attend"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

int AnneeCourante() {
    const std::chrono::year_month_day jour{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return static_cast<int>(jour.year());
}

std::string Refus(const std::string& texte) { return "'" + texte + "' n'est pas une date correcte\n"; }

TEST(CompagnonDate, JugeChaqueTexteCommeLeChamp7) {
    const int annee = AnneeCourante();
    const bool bissextile = std::chrono::year(annee).is_leap();
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"12/03/1850", "1850-03-12\n"},
        {" 012 / 003 / 01850 ", "1850-03-12\n"},
        {"12/03/1850/", "1850-03-12\n"},
        {"01/01/0001", "0001-01-01\n"},
        {"31/12/9999", "9999-12-31\n"},
        {"29/02/1852", "1852-02-29\n"},
        {"12/03", std::to_string(annee) + "-03-12\n"},
        {"29/02", bissextile ? std::to_string(annee) + "-02-29\n" : Refus("29/02")},
        {"31/02/1850", Refus("31/02/1850")},
        {"29/02/1900", Refus("29/02/1900")},
        {"1850", Refus("1850")},
        {"", Refus("")},
        {"12-03-1850", Refus("12-03-1850")},
        {"12/03/1850 x", Refus("12/03/1850 x")},
        {"Noël", Refus("Noël")},
    };
    std::vector<std::string> textes;
    std::string attendu;
    for (const auto& [texte, reponse] : cas) {
        textes.push_back(texte);
        attendu += reponse;
    }
    textes.insert(textes.begin(), "--date");
    const ResultatProgramme resultat = Compagnon(textes);
    EXPECT_EQ(resultat.sortie, attendu);
    EXPECT_EQ(resultat.statut, 1);
}

TEST(CompagnonDate, SortAvecZeroQuandToutesSontReconnues) {
    const ResultatProgramme resultat = Compagnon({"--date", "01/02/1903", "3/4/1905"});
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.sortie, "1903-02-01\n1905-04-03\n");
}

}  // namespace
