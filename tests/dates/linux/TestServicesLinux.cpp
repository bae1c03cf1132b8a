// The Linux locale layer: translation of glibc date formats, era
// descriptions, the user's regional-format file, and the platform answers
// of the glibc services (items and their room, code pages, comparison).
#include "platform/locale/linux/CatalogueLangues.h"
#include "platform/locale/linux/DonneesGlibc.h"
#include "platform/locale/linux/LocaleUtilisateur.h"
#include "platform/locale/linux/ServicesLocaleLinux.h"
#include "platform/pagedecode/PageDeCode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace Locale;

struct CasFormat {
    std::string format;
    std::string modele;
    const char* separateur;  // nullptr: nothing usable
};

TEST(FormatGlibc, TraduitEnLettresDuModele) {
    const CasFormat cas[] = {
        {"%d/%m/%Y", "dd/MM/yyyy", "/"},
        {"%m/%d/%y", "MM/dd/yy", "/"},
        {"%e.%m.%Y", "d.MM.yyyy", "."},
        {"%-d.%-m.%Y", "d.M.yyyy", "."},
        {"%D", "MM/dd/yy", "/"},
        {"%F", "yyyy-MM-dd", "-"},
        {"%Y. %m. %d.", "yyyy. MM. dd.", "."},
        {"%d %m %Y", "dd MM yyyy", nullptr},
        {"%Y%m%d", "yyyyMMdd", ""},
        {"%d de %B de %Y", "dd 'de' MMMM 'de' yyyy", "de"},
        {"%A %d", "dd", nullptr},
        {"%A, %B %d, %Y", "MMMM dd, yyyy", nullptr},
        {"%a, %Y.eko %b", "yyyy.'eko' MMM", ".eko"},
        {"%Y/%m/%d %A", "yyyy/MM/dd dddd", "/"},
        {"%H:%M", ":", nullptr},
        {"%Od/%Om/%EY %%", "dd/MM/yyyy %", "/"},
        {"%EC%Ey", "ggyy", nullptr},
        {"l'%d/%m", "'l'''dd/MM", "/"},
        {"%", "", nullptr},
        {"%-", "", nullptr},
        {"", "", nullptr},
    };
    for (const CasFormat& c : cas) {
        const FormatDateTraduit traduit = TraduitFormatGlibc(c.format);
        EXPECT_EQ(traduit.Modele, c.modele) << c.format;
        EXPECT_EQ(traduit.Separateur.has_value(), c.separateur != nullptr) << c.format;
        if (c.separateur && traduit.Separateur) {
            EXPECT_EQ(*traduit.Separateur, c.separateur) << c.format;
        }
    }
}

TEST(EresGlibc, PremiereAnneeDeChaqueEre) {
    const struct {
        const char* description;
        std::optional<std::int32_t> premiereAnnee;
    } cas[] = {
        {"+:2:1990/01/01:2019/04/30:X:%EC%Ey", 1989},
        {"+:1:1989/01/08:1989/12/31:X:%EC", 1989},
        {"+:6:1873/01/01:1912/07/29:X:f", 1868},
        {"+:1:-0001/12/31:-*:X:f", -1},
        {"+:1:1911/12/31:-*:X:f", 1911},
        {"+:3:1911/12/31:-*:X:f", 1913},
        {"-:3:2000/01/01:+*:X:f", 2002},
        {"+:1:-543/01/01:+*:X:f", -543},
        {"+:2:1990/01/01:+*::f", std::nullopt},
        {"*:2:1990/01/01:+*:X:f", std::nullopt},
        {"+:deux:1990/01/01:+*:X:f", std::nullopt},
        {"+:2", std::nullopt},
        {"+:2147483647:-2147483648/01/01:+*:X:f", std::nullopt},
    };
    for (const auto& c : cas) {
        const auto ere = LitEreGlibc(c.description);
        ASSERT_EQ(ere.has_value(), c.premiereAnnee.has_value()) << c.description;
        if (ere) {
            EXPECT_EQ(ere->DecalageAnnee, *c.premiereAnnee) << c.description;
        }
    }
}

TEST(EresGlibc, ChaqueNomUneFoisDansLOrdre) {
    const auto eres = EresDistinctes(
        {"+:2:2020/01/01:+*:B:f", "+:1:2019/05/01:2019/12/31:B:f", "mal formee", "+:2:1990/01/01:2019/04/30:A:f"});
    ASSERT_EQ(eres.size(), 2u);
    EXPECT_EQ(eres[0].Nom, "B");
    EXPECT_EQ(eres[0].DecalageAnnee, 2019);
    EXPECT_EQ(eres[1].Nom, "A");
}

// A temporary configuration folder given as XDG_CONFIG_HOME for one test.
class DossierConfiguration : public testing::Test {
protected:
    void SetUp() override {
        dossier_ =
            std::filesystem::temp_directory_path() / ("controle-dates-" + std::to_string(::getpid()) + "-" +
                                                      testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dossier_);
        const char* ancien = std::getenv("XDG_CONFIG_HOME");
        ancien_ = ancien ? std::optional<std::string>(ancien) : std::nullopt;
        ::setenv("XDG_CONFIG_HOME", dossier_.c_str(), 1);
    }
    void TearDown() override {
        if (ancien_) ::setenv("XDG_CONFIG_HOME", ancien_->c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(dossier_);
    }
    void Ecrit(const std::string& contenu) { std::ofstream(dossier_ / "locale.conf") << contenu; }

    std::filesystem::path dossier_;
    std::optional<std::string> ancien_;
};

TEST_F(DossierConfiguration, FichierDansXdgConfigHome) {
    EXPECT_EQ(FichierLocaleUtilisateur(), dossier_ / "locale.conf");
    ::setenv("XDG_CONFIG_HOME", "relatif", 1);
    ::setenv("HOME", "/home/quelquun", 1);
    EXPECT_EQ(FichierLocaleUtilisateur(), std::filesystem::path("/home/quelquun/.config/locale.conf"));
}

TEST_F(DossierConfiguration, ClesLuesDansLOrdre) {
    const struct {
        const char* contenu;
        std::optional<std::string> locale;
    } cas[] = {
        {"LANG=de_DE.UTF-8\n", "de_DE.UTF-8"},
        {"LANG=de_DE.UTF-8\nLC_TIME=\"fr_FR.UTF-8\"\n", "fr_FR.UTF-8"},
        {"LC_ALL='ja_JP.UTF-8'\nLC_TIME=fr_FR.UTF-8\n", "ja_JP.UTF-8"},
        {"# LANG=de_DE.UTF-8\n  export LC_TIME = en_GB.UTF-8  \r\n", "en_GB.UTF-8"},
        {"LC_ALL=\nLANG=nl_NL.UTF-8\n", "nl_NL.UTF-8"},
        {"LC_NUMERIC=fr_FR.UTF-8\nnimporte quoi\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cas) {
        Ecrit(c.contenu);
        EXPECT_EQ(LocaleDuFichier(FichierLocaleUtilisateur()), c.locale) << c.contenu;
    }
    std::filesystem::remove(dossier_ / "locale.conf");
    EXPECT_EQ(LocaleDuFichier(FichierLocaleUtilisateur()), std::nullopt);
    EXPECT_EQ(LocaleUtilisateurParDefaut("fr_FR.UTF-8"), "fr_FR.UTF-8");
}

TEST_F(DossierConfiguration, LaLocaleParDefautSuitLeFichier) {
    ServicesLocaleLinux services("fr_FR.UTF-8", "fr_FR.UTF-8");
    char valeur[256];
    ASSERT_GT(services.GetLocaleInfoA(UtilisateurParDefaut, SDate, valeur, sizeof valeur), 0);
    EXPECT_STREQ(valeur, "/");
    Ecrit("LC_TIME=de_DE.UTF-8\n");
    services.SetThreadLocale(UtilisateurParDefaut);
    ASSERT_GT(services.GetLocaleInfoA(services.GetThreadLocale(), SDate, valeur, sizeof valeur), 0);
    EXPECT_STREQ(valeur, ".");
    EXPECT_EQ(services.GetThreadLocale() & 0x3FF, 0x07u);
}

TEST(ServicesLinux, PlaceDesElements) {
    ServicesLocaleLinux services("fr_FR.UTF-8", "fr_FR.UTF-8");
    const std::uint32_t locale = services.GetThreadLocale();
    EXPECT_EQ(locale & 0xFFFF, 0x040Cu);
    char valeur[16] = {};
    EXPECT_EQ(services.GetLocaleInfoA(locale, SShortDate, valeur, 0), 11);
    EXPECT_EQ(services.GetLocaleInfoA(locale, SShortDate, valeur, 10), 0);
    EXPECT_EQ(services.GetLocaleInfoA(locale, SShortDate, valeur, 11), 11);
    EXPECT_STREQ(valeur, "dd/MM/yyyy");
    EXPECT_EQ(services.GetLocaleInfoA(locale, S1159, valeur, 2), 1);
    EXPECT_EQ(services.GetLocaleInfoA(locale, IDefaultAnsiCodePage, valeur, 7), 5);
    EXPECT_STREQ(valeur, "1252");
    EXPECT_EQ(services.GetLocaleInfoA(locale, 0x4242, valeur, 16), 0);
    EXPECT_EQ(services.GetLocaleInfoA(0, SDate, valeur, 16), 0);
    EXPECT_EQ(services.GetLocaleInfoA(locale + 0x10000, SDate, valeur, 16), 0);
}

TEST(ServicesLinux, PageDeCodeDuSystemeEtCalendriers) {
    const struct {
        const char* locale;
        std::uint32_t acp;
        int doubleOctet;
        const char* calendrierOptionnel;
    } cas[] = {
        {"fr_FR.UTF-8", 1252, 0, "1"}, {"C", 1252, 0, "1"},           {"de_DE.UTF-8", 1252, 0, "1"},
        {"ja_JP.UTF-8", 932, 1, "3"},  {"zh_TW.UTF-8", 950, 1, "4"},  {"zh_CN.UTF-8", 936, 1, "1"},
        {"ko_KR.UTF-8", 949, 1, "1"},  {"ru_RU.UTF-8", 1251, 0, "1"}, {"pl_PL.UTF-8", 1250, 0, "1"},
        {"th_TH.UTF-8", 874, 0, "1"},  {"hi_IN.UTF-8", 1252, 0, "1"},
    };
    for (const auto& c : cas) {
        ServicesLocaleLinux services(c.locale, c.locale);
        EXPECT_EQ(services.GetACP(), c.acp) << c.locale;
        EXPECT_EQ(services.GetSystemMetrics(SmDbcsEnabled), c.doubleOctet) << c.locale;
        char valeur[8] = {};
        ASSERT_GT(services.GetLocaleInfoA(services.GetThreadLocale(), IOptionalCalendar, valeur, 8), 0);
        EXPECT_STREQ(valeur, c.calendrierOptionnel) << c.locale;
        ASSERT_GT(services.GetLocaleInfoA(services.GetThreadLocale(), ICalendarType, valeur, 8), 0);
        EXPECT_STREQ(valeur, "1") << c.locale;
    }
}

TEST(ServicesLinux, InfosDePageDeCode) {
    ServicesLocaleLinux services("ja_JP.UTF-8", "ja_JP.UTF-8");
    std::array<unsigned char, 12> plages{};
    ASSERT_TRUE(services.GetCPInfo(932, plages));
    EXPECT_EQ(plages, (std::array<unsigned char, 12>{0x81, 0x9F, 0xE0, 0xFC}));
    ASSERT_TRUE(services.GetCPInfo(0, plages));
    EXPECT_EQ(plages[0], 0x81);
    ASSERT_TRUE(services.GetCPInfo(1252, plages));
    EXPECT_EQ(plages, (std::array<unsigned char, 12>{}));
    EXPECT_FALSE(services.GetCPInfo(4242, plages));
    EXPECT_EQ(services.LongueurCaractere("\x88\x9F"), 2);
    EXPECT_EQ(services.LongueurCaractere(std::string_view("\x88\0", 2)), 1);
    EXPECT_EQ(services.LongueurCaractere("\x88"), 1);
    EXPECT_EQ(services.LongueurCaractere("A\x9F"), 1);
}

TEST(ServicesLinux, ComparaisonDeTextes) {
    ServicesLocaleLinux services("fr_FR.UTF-8", "fr_FR.UTF-8");
    const std::uint32_t locale = services.GetThreadLocale();
    const Texte eteMajuscule = DepuisUtf8("ÉTÉ", 1252);
    const Texte eteMinuscule = DepuisUtf8("été", 1252);
    EXPECT_EQ(services.CompareStringA(locale, NormIgnoreCase, "AM", "am"), CstrEqual);
    EXPECT_NE(services.CompareStringA(locale, 0, "AM", "am"), CstrEqual);
    EXPECT_EQ(services.CompareStringA(locale, NormIgnoreCase, eteMajuscule.Vue(), eteMinuscule.Vue()), CstrEqual);
    EXPECT_NE(services.CompareStringA(locale, 0, eteMajuscule.Vue(), eteMinuscule.Vue()), CstrEqual);
    EXPECT_EQ(services.CompareStringA(locale, 0, "a", "b"), 1);
    EXPECT_EQ(services.CompareStringA(locale, 0, "b", "a"), 3);
    EXPECT_EQ(services.CompareStringA(locale, 0, "a", "ab"), 1);
    EXPECT_EQ(services.CompareStringA(locale, 0, "", ""), CstrEqual);
}

TEST(CatalogueLangues, LanguesEtPages) {
    const struct {
        const char* locale;
        std::uint32_t langue;
        std::uint32_t page;
    } cas[] = {{"fr_FR.UTF-8", 0x0C, 1252},
               {"fr_CA", 0x0C, 1252},
               {"en_US.UTF-8", LangueAnglais, 1252},
               {"POSIX", LangueAnglais, 1252},
               {"C.UTF-8", LangueAnglais, 1252},
               {"", LangueAnglais, 1252},
               {"ja_JP.eucJP", LangueJaponais, 932},
               {"zh_HK.UTF-8", LangueChinois, 950},
               {"zh_SG.UTF-8", LangueChinois, 936},
               {"sr_RS", 0x1A, 1251},
               {"sr_RS@latin", 0x1A, 1250},
               {"fil_PH", 0x64, 1252},
               {"eo.UTF-8", 0x00, 0},
               {"hi_IN", 0x39, 0}};
    for (const auto& c : cas) {
        EXPECT_EQ(LanguePrincipaleLocale(c.locale), c.langue) << c.locale;
        EXPECT_EQ(PageDeCodeLangue(c.locale), c.page) << c.locale;
    }
}

}  // namespace
