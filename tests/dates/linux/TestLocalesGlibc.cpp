// The settings loaded from real glibc locales through the Linux services:
// pattern, separator, order, Far-East data and eras, and the fallbacks of a
// locale that is not installed.
#include "dates/AnalyseDate.h"
#include "dates/ChargeReglagesDate.h"
#include "dates/ReconnaitDate.h"
#include "platform/locale/linux/ServicesLocaleLinux.h"
#include "platform/pagedecode/PageDeCode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The Linux services started under a locale, in force for one test.
class SousLocale {
public:
    explicit SousLocale(const std::string& nom) : services_(nom, nom), precedents_(ReglagesDate) {
        InstalleServicesLocale(&services_);
        ChargeReglagesDate();
    }
    ~SousLocale() {
        ReglagesDate = precedents_;
        InstalleServicesLocale(nullptr);
    }
    ServicesLocaleLinux& Services() { return services_; }

private:
    ServicesLocaleLinux services_;
    TReglagesDate precedents_;
};

struct CasLocale {
    std::string locale;
    std::string modele;
    unsigned char separateur;
    TOrdreDate ordre;
    std::uint32_t langue;
    bool extremeOrient;
    std::string am;
};

void PrintTo(const CasLocale& cas, std::ostream* flux) { *flux << cas.locale; }

class LocaleGlibc : public testing::TestWithParam<CasLocale> {};

TEST_P(LocaleGlibc, DonneSesReglages) {
    const CasLocale& cas = GetParam();
    SousLocale locale(cas.locale);
    EXPECT_EQ(ReglagesDate.FormatDateCourt.Vue(), cas.modele);
    EXPECT_EQ(ReglagesDate.SeparateurDate, cas.separateur);
    EXPECT_EQ(DeduitOrdreDate(ReglagesDate.FormatDateCourt.Vue()), cas.ordre);
    EXPECT_EQ(ReglagesDate.LanguePrincipale, cas.langue);
    EXPECT_EQ(ReglagesDate.ExtremeOrient, cas.extremeOrient);
    EXPECT_EQ(ReglagesDate.OctetsDeTete.any(), cas.extremeOrient);
    EXPECT_EQ(ReglagesDate.SymboleAM.Vue(), cas.am);
    EXPECT_EQ(ReglagesDate.FenetreSiecle, 50);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleGlibc,
    testing::Values(CasLocale{"fr_FR.UTF-8", "dd/MM/yyyy", '/', TOrdreDate::JMA, 0x0C, false, ""},
                    CasLocale{"fr_FR", "dd/MM/yyyy", '/', TOrdreDate::JMA, 0x0C, false, ""},
                    CasLocale{"en_US.UTF-8", "MM/dd/yyyy", '/', TOrdreDate::MJA, Locale::LangueAnglais, false, "AM"},
                    CasLocale{"en_GB.UTF-8", "dd/MM/yy", '/', TOrdreDate::JMA, Locale::LangueAnglais, false, "am"},
                    CasLocale{"de_DE.UTF-8", "dd.MM.yyyy", '.', TOrdreDate::JMA, 0x07, false, ""},
                    CasLocale{"nl_NL.UTF-8", "dd-MM-yy", '-', TOrdreDate::JMA, 0x13, false, ""},
                    CasLocale{"hu_HU.UTF-8", "yyyy-MM-dd", '-', TOrdreDate::AMJ, 0x0E, false, ""},
                    CasLocale{"bg_BG.UTF-8", "d.MM.yyyy", '.', TOrdreDate::JMA, 0x02, false, ""},
                    CasLocale{"C", "MM/dd/yy", '/', TOrdreDate::MJA, Locale::LangueAnglais, false, "AM"},
                    CasLocale{"POSIX", "MM/dd/yy", '/', TOrdreDate::MJA, Locale::LangueAnglais, false, "AM"},
                    CasLocale{"C.UTF-8", "MM/dd/yy", '/', TOrdreDate::MJA, Locale::LangueAnglais, false, "AM"},
                    // Not installed: every request refused, every default taken.
                    CasLocale{"xx_YY.UTF-8", "m/d/yy", '/', TOrdreDate::MJA, Locale::LangueAnglais, false, "am"}),
    [](const testing::TestParamInfo<CasLocale>& cas) {
        std::string nom;
        for (char c : cas.param.locale) nom += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return nom;
    });

TEST(LocaleJaponaise, ExtremeOrientAvecSesEres) {
    SousLocale locale("ja_JP.UTF-8");
    EXPECT_EQ(ReglagesDate.LanguePrincipale, Locale::LangueJaponais);
    EXPECT_TRUE(ReglagesDate.ExtremeOrient);
    for (unsigned octet = 0; octet < 256; ++octet) {
        const bool attendu = (octet >= 0x81 && octet <= 0x9F) || (octet >= 0xE0 && octet <= 0xFC);
        EXPECT_EQ(ReglagesDate.OctetsDeTete.test(octet), attendu) << octet;
    }
    // The separator of "%Y年%m月%d日" is a two-byte character: the default.
    EXPECT_EQ(ReglagesDate.SeparateurDate, '/');
    EXPECT_EQ(ReglagesDate.FormatDateCourt, DepuisUtf8("yyyy年MM月dd日", 932));
    EXPECT_EQ(ReglagesDate.SymboleAM, DepuisUtf8("午前", 932));
    const char* noms[] = {"令和", "平成", "昭和", "大正", "明治", "西暦", "紀元前"};
    const std::int32_t decalages[] = {2019, 1989, 1926, 1912, 1868, 1, -1};
    for (int slot = 1; slot <= 7; ++slot) {
        EXPECT_EQ(ReglagesDate.NomsEres[slot], DepuisUtf8(noms[slot - 1], 932)) << slot;
        EXPECT_EQ(ReglagesDate.DecalagesEres[slot], decalages[slot - 1]) << slot;
    }
}

TEST(LocaleTaiwanaise, EresDuCalendrierDeTaiwan) {
    SousLocale locale("zh_TW.UTF-8");
    EXPECT_TRUE(ReglagesDate.ExtremeOrient);
    EXPECT_EQ(ReglagesDate.NomsEres[1], DepuisUtf8("民國", 950));
    EXPECT_EQ(ReglagesDate.DecalagesEres[1], 1912);
    EXPECT_EQ(ReglagesDate.NomsEres[2], DepuisUtf8("民前", 950));
    EXPECT_EQ(ReglagesDate.DecalagesEres[2], 1911);
    EXPECT_TRUE(ReglagesDate.NomsEres[3].EstVide());
    EXPECT_EQ(ReglagesDate.DecalagesEres[3], -1);
}

TEST(LocaleCoreenne, ExtremeOrientSansEres) {
    SousLocale locale("ko_KR.UTF-8");
    EXPECT_EQ(ReglagesDate.LanguePrincipale, Locale::LangueCoreen);
    EXPECT_TRUE(ReglagesDate.ExtremeOrient);
    EXPECT_TRUE(ReglagesDate.OctetsDeTete.test(0x81) && ReglagesDate.OctetsDeTete.test(0xFE));
    EXPECT_FALSE(ReglagesDate.OctetsDeTete.test(0x80));
    EXPECT_TRUE(ReglagesDate.NomsEres[1].EstVide());
    EXPECT_EQ(ReglagesDate.DecalagesEres[1], 0) << "no era calendar: the tables are left alone";
}

}  // namespace

namespace {

TEST(LocaleGlibc, LeVerdictSuitLaLocale) {
    const struct {
        const char* locale;
        const char* texte;
        bool accepte;
    } cas[] = {
        {"fr_FR.UTF-8", "31/12/1850", true}, {"fr_FR.UTF-8", "12/31/1850", false},
        {"en_US.UTF-8", "12/31/1850", true}, {"en_US.UTF-8", "31/12/1850", false},
        {"de_DE.UTF-8", "31.12.1850", true}, {"de_DE.UTF-8", "31/12/1850", false},
        {"ja_JP.UTF-8", "1850/12/31", true}, {"ja_JP.UTF-8", "31/12/1850", false},
        {"xx_YY.UTF-8", "12/31/1850", true},
    };
    for (const auto& c : cas) {
        SousLocale locale(c.locale);
        TDateSerie date = 0;
        EXPECT_EQ(TenteReconnaitDate(c.texte, date), c.accepte) << c.locale << " " << c.texte;
    }
}

}  // namespace
