// controle-dates-lot end to end, on real files under fr_FR.UTF-8: exit
// statuses, the report and its conversion to UTF-8, the messages, batches of
// files, line numbers, JSON Lines, the reasons of refusals, the verdict on
// dates, and the help against the manual page; then under other regional
// settings and on a terminal that is not UTF-8.
#include "LanceProgramme.h"

#include "depart/OutilsExport.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <chrono>
#include <sstream>

namespace {

const std::string Francais = "LC_ALL=fr_FR.UTF-8";
// Windows gives file names in Unicode, and its table of Windows-1252
// defines the bytes that glibc's leaves undefined.
const bool SousWindows = std::filesystem::path::preferred_separator != '/';

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
    const std::string indefinis = SousWindows ? "\u0081\u008D\u008F\u0090\u009D" : "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD";
    EXPECT_EQ(resultat.sortie, "é è ç œ € : 1850\n" + indefinis + " : \n");
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
    ::testing::Values(CasUsage{"Aide", {"--help"}, 0, "Usage : controle-dates-lot [OPTION...] FICHIER...", ""},
                      CasUsage{"Version", {"--version"}, 0, "controle-dates-lot 1.01\n", ""},
                      CasUsage{"SansArgument", {}, 2, "", "controle-dates-lot : il manque le fichier à contrôler."},
                      CasUsage{"OptionInconnue", {"--vite"}, 2, "", "controle-dates-lot : option inconnue : --vite"},
                      CasUsage{"NumerosDeTextes",
                               {"-n", "--date", "1/1/1900"},
                               2,
                               "",
                               "controle-dates-lot : l'option --numeros ne s'applique pas"},
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

// Several files in one run, in the order given: a failed file is named and the
// others are still checked; the worst outcome gives the status.
struct CasLot {
    const char* nom;
    std::vector<std::string> fichiers;  // "absent" is never created
    int statut;
    friend void PrintTo(const CasLot& cas, std::ostream* flux) { *flux << cas.nom; }
};

class LotDeFichiers : public ::testing::TestWithParam<CasLot> {};

TEST_P(LotDeFichiers, NommeChaqueFichierEtGardeLePireStatut) {
    DossierTemporaire dossier;
    dossier.Ecrit("valide", Export({LigneExport("v", "01/01/1850")}));
    dossier.Ecrit("refuse", Export({LigneExport("r1", "01/01/1850"), LigneExport("r2", "1850")}));
    dossier.Ecrit("vide", "");
    std::vector<std::string> chemins;
    std::string sortie, erreurs;
    for (const std::string& nom : GetParam().fichiers) {
        const std::string chemin = (dossier.Chemin() / nom).string();
        chemins.push_back(chemin);
        if (nom == "refuse") sortie += chemin + ":r2 : 1850\n";
        if (nom == "absent") erreurs += chemin + ": Fichier introuvable.\n";
        if (nom == "vide") erreurs += chemin + ": Ce n'est pas un fichier export de Tabrenn 3!\n";
        if (nom == "valide" || nom == "refuse")
            erreurs += chemin + ": Actes de : Naissances\n" + chemin +
                       ": Nb d'actes : " + (nom == "valide" ? "1" : "2") + "\n" + chemin +
                       (nom == "valide" ? ": Contrôle terminé !\n" : ": Copiez les résultats !\n");
    }
    const ResultatProgramme resultat = Compagnon(chemins);
    EXPECT_EQ(resultat.statut, GetParam().statut);
    EXPECT_EQ(resultat.sortie, sortie);
    EXPECT_EQ(resultat.erreurs, erreurs);
}

INSTANTIATE_TEST_SUITE_P(Cas, LotDeFichiers,
                         ::testing::Values(CasLot{"TousValides", {"valide", "valide"}, 0},
                                           CasLot{"UnRefus", {"valide", "refuse"}, 1},
                                           CasLot{"EchecPuisRefus", {"absent", "refuse", "valide"}, 2},
                                           CasLot{"RefusPuisPasUnExport", {"refuse", "vide"}, 2}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

TEST(CompagnonOptions, NumerosEtRaisonsSurLExemple) {
    const ResultatProgramme resultat = Compagnon({"-n", "--pourquoi", Exemple("mariages-a-corriger.txt")});
    EXPECT_EQ(resultat.statut, 1);
    EXPECT_EQ(resultat.sortie,
              "3:M1901-003 Tanguy Jeanne × Prigent Joseph : 31/02/1850 — le 31 février 1850 n'existe pas : ce mois "
              "n'a que 28 jours\n"
              "7:M1869-007 Le Fèvre Françoise × Le Gall Joseph : 1850 — un seul nombre (une année seule ?) : il en "
              "faut au moins deux, séparés par « / »\n"
              "11:M1846-011 Le Roux Hélène × Kerhervé Joseph :  — date vide\n"
              "14:M1900-014 Le Dû Noël × Le Dû Périne : 12/13/1861 — le mois 13 n'existe pas : il n'y en a que 12\n"
              "18:M1853-018 Nédélec François × Nédélec Périne : 30-04-1870 — « - » à la place du séparateur « / » "
              "des réglages régionaux\n"
              "21:M1895-021 Kerhervé Anne × Le Roux Corentin : 29/02/1873 — le 29 février 1873 n'existe pas : 1873 "
              "n'est pas une année bissextile\n");
}

TEST(CompagnonOptions, NumeroApresLeNomDuFichier) {
    DossierTemporaire dossier;
    const std::string a = dossier.Ecrit("a", Export({LigneExport("x", "1/1/1850"), LigneExport("y", "1/13/1850")}));
    const std::string b = dossier.Ecrit("b", Export({LigneExport("z", "")}));
    EXPECT_EQ(Compagnon({a, "--numeros", b}).sortie, a + ":2:y : 1/13/1850\n" + b + ":1:z : \n");
}

std::vector<nlohmann::json> LignesJson(const std::string& sortie) {
    std::vector<nlohmann::json> objets;
    std::istringstream flux(sortie);
    for (std::string ligne; std::getline(flux, ligne);) objets.push_back(nlohmann::json::parse(ligne));
    return objets;
}

// A byte that the code page cannot convert, and a file name that is not
// UTF-8, still give valid JSON, the field's exact bytes beside it; a failed
// file gets its summary with the message.
TEST(CompagnonOptions, JsonUnObjetParRefusPuisUnBilanParFichier) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.Ecrit(
        "export-\xFF.txt", Export({LigneExport("\x81\xE9", "12/05/1850 10:00"), LigneExport("b", "2/2/1850")}));
    const std::string absent = (dossier.Chemin() / "absent").string();
    const ResultatProgramme resultat = Compagnon({"--json", chemin, absent});
    EXPECT_EQ(resultat.statut, 2);
    EXPECT_EQ(resultat.erreurs, "");
    const auto objets = LignesJson(resultat.sortie);
    ASSERT_EQ(objets.size(), 3u);
    const std::string nom = objets[0]["fichier"];
    // Linux names are bytes, and this one is not UTF-8; the Windows name is
    // made of the byte's character in Windows-1252, "ÿ".
    EXPECT_TRUE(nom.ends_with(SousWindows ? "export-\u00FF.txt" : "export-\uFFFD.txt")) << nom;
    nlohmann::json refus{{"objet", "refus"},
                         {"fichier", nom},
                         {"ligne", 1},
                         {"champ3", SousWindows ? "\u0081é" : "\uFFFDé"},
                         {"champ7", "12/05/1850 10:00"},
                         {"raison", "texte en trop après la date : « 10:00 »"}};
    if (!SousWindows) refus["champ3_octets"] = "81e9";
    EXPECT_EQ(objets[0], refus);
    EXPECT_EQ(
        objets[1],
        nlohmann::json(
            {{"objet", "bilan"}, {"fichier", nom}, {"actes", "Naissances"}, {"nb_actes", 2}, {"nb_refusees", 1}}));
    EXPECT_EQ(objets[2], nlohmann::json({{"objet", "bilan"}, {"fichier", absent}, {"echec", "Fichier introuvable."}}));
}

// An export written year-month-day and checked under French settings: the
// summary says so, in text and in JSON.
TEST(CompagnonOptions, BilanDUnExportEnAnneeMoisJour) {
    DossierTemporaire dossier;
    const std::string chemin =
        dossier.Ecrit("export.txt", Export(std::vector<std::string>(1234, LigneExport("r", "1850-05-12"))));
    const std::string phrase =
        "1 234 dates refusées sur 1 234 seraient valides en année-mois-jour : le fichier "
        "suit-il d'autres réglages régionaux ?";
    EXPECT_TRUE(Compagnon({chemin}).erreurs.ends_with("Copiez les résultats !\n" + phrase + "\n"));
    EXPECT_EQ(LignesJson(Compagnon({"--json", chemin}).sortie).back()["autre_convention"],
              nlohmann::json({{"forme", "a-m-j"}, {"valides", 1234}, {"message", phrase}}));
}

TEST(CompagnonDate, PourquoiEtJson) {
    const ResultatProgramme texte = Compagnon({"--date", "--pourquoi", "12/05/1850", "0/1/1850"});
    EXPECT_EQ(texte.sortie, "1850-05-12\n'0/1/1850' n'est pas une date correcte — le jour 0 n'existe pas\n");
    const auto objets = LignesJson(Compagnon({"--date", "--json", "12/05/1850", "1/1/00000"}).sortie);
    ASSERT_EQ(objets.size(), 2u);
    EXPECT_EQ(objets[0], nlohmann::json({{"objet", "date"}, {"texte", "12/05/1850"}, {"date", "1850-05-12"}}));
    EXPECT_EQ(
        objets[1],
        nlohmann::json({{"objet", "date"}, {"texte", "1/1/00000"}, {"raison", "l'année 0 est hors de 1 à 9999"}}));
}

// Under other regional settings, the tool's own texts (kind of acts,
// messages, the words of a reason) read as under French ones, whatever the
// system's code page; the export's bytes (field 3, the date and what the
// reason quotes of it) are read in that code page; a lone lead byte of a
// double-byte code page (which takes the ";" after it as its second byte) is
// written as U+FFFD, its field's exact bytes beside it in the JSON. Windows'
// UTF-8 code page (under Wine, the system locale of a language that has no
// 8-bit code page) reads the export as Windows-1252; Linux, which has no such
// code page, reads it so too. The export lies in folders whose names each
// code page lacks in part, on a path of more than MAX_PATH characters, and
// is named as it is.
struct CasLocale {
    const char* nom;
    const char* langue;     // LANG, and LC_ALL unless systeme is given
    const char* systeme;    // LC_CTYPE: the system's code page
    std::string reference;  // field 3 in the locale's code page, then in UTF-8
    std::string referenceUtf8;
    std::string lettre;  // a character of the locale, then in UTF-8
    std::string lettreUtf8;
    std::string date;  // 12 May 1850 in the locale's order
    bool doubleOctet;
    friend void PrintTo(const CasLocale& cas, std::ostream* flux) { *flux << cas.nom; }
};

class CompagnonSousLocale : public ::testing::TestWithParam<CasLocale> {};

std::string DepuisHexadecimal(const std::string& hexadecimal) {
    std::string octets;
    for (std::size_t i = 0; i + 1 < hexadecimal.size(); i += 2)
        octets += static_cast<char>(std::stoi(hexadecimal.substr(i, 2), nullptr, 16));
    return octets;
}

TEST_P(CompagnonSousLocale, TextesDeLOutilExactsEtOctetsDeLExportSansPerte) {
    const CasLocale& cas = GetParam();
    const std::string tronque = "00004/0027\x85";
    DossierTemporaire dossier;
    const std::string chemin = dossier.Ecrit(
        std::filesystem::path(u8"Zoé/Łódź/日本語") / std::string(90, 'x') / std::string(90, 'y') / std::string(90, 'z'),
        Export({LigneExport(cas.reference, cas.date + cas.lettre, "D", 38), LigneExport("x", tronque, "D", 38)}));
    const std::string langue = std::string(cas.langue) + ".UTF-8";
    const std::vector<std::string> environnement{
        "LANG=" + langue, cas.systeme ? "LC_ALL=" : "LC_ALL=" + langue,
        "LC_CTYPE=" + std::string(cas.systeme ? cas.systeme : cas.langue) + ".UTF-8"};

    const ResultatProgramme texte = LanceProgramme(CHEMIN_COMPAGNON, {"--pourquoi", chemin}, environnement);
    EXPECT_EQ(texte.statut, 1);
    EXPECT_EQ(texte.erreurs, "Actes de : Décès\nNb d'actes : 2\nCopiez les résultats !\n");
    const std::string date = cas.date + cas.lettreUtf8;
    const std::string champ7Tronque = cas.doubleOctet ? tronque + ";" : tronque;
    const std::string finTronque = cas.doubleOctet ? "\uFFFD;" : "…";
    EXPECT_TRUE(texte.sortie.starts_with(cas.referenceUtf8 + " : " + date + " — texte en trop après la date : « " +
                                         cas.lettreUtf8 + " »\nx : 00004/0027" + finTronque + " — "))
        << texte.sortie;

    const auto objets = LignesJson(LanceProgramme(CHEMIN_COMPAGNON, {"--json", chemin}, environnement).sortie);
    ASSERT_EQ(objets.size(), 3u);
    EXPECT_EQ(objets[0]["fichier"], chemin);
    EXPECT_EQ(objets[0]["champ3"], cas.referenceUtf8);
    EXPECT_EQ(objets[0]["champ7"], date);
    EXPECT_EQ(objets[0]["raison"], "texte en trop après la date : « " + cas.lettreUtf8 + " »");
    EXPECT_FALSE(objets[0].contains("champ3_octets") || objets[0].contains("champ7_octets"));
    EXPECT_EQ(objets[1]["champ7"], "00004/0027" + finTronque);
    EXPECT_EQ(objets[1].contains("champ7_octets"), cas.doubleOctet);
    if (cas.doubleOctet) {
        EXPECT_EQ(DepuisHexadecimal(objets[1]["champ7_octets"]), champ7Tronque);
    }
    EXPECT_EQ(objets[2]["actes"], "Décès");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CompagnonSousLocale,
    ::testing::Values(
        CasLocale{"fr_FR", "fr_FR", nullptr, "Le F\xE8vre", "Le Fèvre", "\xE9", "é", "12/05/1850", false},
        CasLocale{"ru_RU", "ru_RU", nullptr, "\xC8\xE2\xE0\xED\xEE\xE2", "Иванов", "\xC4", "Д", "12.05.1850", false},
        CasLocale{"ja_JP", "ja_JP", nullptr, "\x93\xFA\x96\x7B", "日本", "\x93\xFA", "日", "1850/05/12", true},
        CasLocale{"zh_TW", "zh_TW", nullptr, "\xA4\xA4\xA4\xE5", "中文", "\xA4\xE9", "日", "1850/05/12", true},
        CasLocale{"fr_FR_page_utf8", "fr_FR", "hi_IN", "Le F\xE8vre", "Le Fèvre", "\xE9", "é", "12/05/1850", false}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// A terminal whose character set is not UTF-8 (Linux: the locale's) gets the
// accents in its own set, and what it lacks as the platform approaches it.
TEST(Compagnon, TerminalLatin1) {
    if (SousWindows) GTEST_SKIP() << "the Windows companion writes UTF-8 whatever the locale";
    const ResultatProgramme resultat =
        Compagnon({"--pourquoi", Exemple("mariages-a-corriger.txt")}, "LC_ALL=fr_FR.ISO-8859-1");
    EXPECT_EQ(resultat.erreurs, "Actes de : Mariages\nNb d'actes : 24\nCopiez les r\xE9sultats !\n");
    EXPECT_TRUE(
        resultat.sortie.starts_with("M1901-003 Tanguy Jeanne \xD7 Prigent Joseph : 31/02/1850 -- le 31 "
                                    "f\xE9vrier 1850 n'existe pas : ce mois n'a que 28 jours\n"))
        << resultat.sortie;
}

// Every option that the help names is in the manual page.
TEST(CompagnonAide, LaPageDeManuelDecritChaqueOption) {
    const std::string aide = Compagnon({"--help"}).sortie;
    std::ifstream fichier(PAGE_MANUEL);
    const std::string page{std::istreambuf_iterator<char>(fichier), {}};
    int options = 0;
    for (std::size_t debut = aide.find("--"); debut != std::string::npos; debut = aide.find("--", debut + 2)) {
        std::size_t fin = debut + 2;
        while (fin < aide.size() && std::islower(static_cast<unsigned char>(aide[fin]))) ++fin;
        if (fin == debut + 2) continue;
        EXPECT_NE(page.find("\\-\\-" + aide.substr(debut + 2, fin - debut - 2)), std::string::npos)
            << aide.substr(debut, fin - debut);
        ++options;
    }
    EXPECT_GE(options, 6);
}

}  // namespace
