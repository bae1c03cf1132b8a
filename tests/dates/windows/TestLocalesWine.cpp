// The settings loaded from Windows' real regional data (Wine's), one locale
// per run: the program runs once under each locale, chosen by LC_ALL, with
// the filter */<locale>. Pattern, separator, order, language, Far-East data
// and eras, and dates read under them with the clock held.
#include "SerieAttendue.h"
#include "dates/AnalyseDate.h"
#include "dates/ChargeReglagesDate.h"
#include "dates/ReconnaitDate.h"
#include "support/ServicesAnneeTenue.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct CasLocale {
    const char* nom;
    std::uint32_t lcid;
    std::uint32_t pageSysteme;
    std::string modele;
    unsigned char separateur;
    TOrdreDate ordre;
    std::vector<std::pair<unsigned, unsigned>> octetsDeTete;
    std::string am;
    // The first era delivered (slot 1), with its year offset; 0: no era table.
    std::string ere;
    std::int32_t decalage;
    const char* dateSansAnnee;  // 12 May
    const char* date;           // 12 May 1850
};

void PrintTo(const CasLocale& cas, std::ostream* flux) { *flux << cas.nom; }

class LocaleWindows : public testing::TestWithParam<CasLocale> {};

TEST_P(LocaleWindows, DonneSesReglages) {
    const CasLocale& cas = GetParam();
    ServicesAnneeTenue horloge(2024);
    ASSERT_EQ(GetUserDefaultLCID(), cas.lcid) << "the run's LC_ALL is not " << cas.nom;
    EXPECT_EQ(GetACP(), cas.pageSysteme);
    EXPECT_EQ(ReglagesDate.IdLocale, cas.lcid);
    EXPECT_EQ(ReglagesDate.LanguePrincipale, cas.lcid & 0x3FF);
    EXPECT_EQ(ReglagesDate.FormatDateCourt.Vue(), cas.modele);
    EXPECT_EQ(ReglagesDate.SeparateurDate, cas.separateur);
    EXPECT_EQ(DeduitOrdreDate(ReglagesDate.FormatDateCourt.Vue()), cas.ordre);
    EXPECT_EQ(ReglagesDate.SymboleAM.Vue(), cas.am);
    EXPECT_EQ(ReglagesDate.FenetreSiecle, 50);

    std::bitset<256> octetsDeTete;
    for (const auto& [premier, dernier] : cas.octetsDeTete)
        for (unsigned octet = premier; octet <= dernier; ++octet) octetsDeTete.set(octet);
    EXPECT_EQ(ReglagesDate.OctetsDeTete, octetsDeTete);
    EXPECT_EQ(ReglagesDate.ExtremeOrient, octetsDeTete.any());
    // CharNextA steps over a whole character of the system code page.
    EXPECT_EQ(ServicesLocaleCourants().LongueurCaractere("\x81\x40"), octetsDeTete.any() ? 2 : 1);

    EXPECT_EQ(ReglagesDate.NomsEres[1].Vue(), cas.ere);
    EXPECT_TRUE(ReglagesDate.NomsEres[2].EstVide());
    EXPECT_EQ(ReglagesDate.DecalagesEres[1], cas.decalage);
    EXPECT_EQ(ReglagesDate.DecalagesEres[2], cas.decalage == 0 ? 0 : -1);

    TDateSerie date = 0;
    EXPECT_TRUE(TenteReconnaitDate(cas.dateSansAnnee, date));
    EXPECT_EQ(date, Serie(2024, 5, 12));
    EXPECT_TRUE(TenteReconnaitDate(cas.date, date));
    EXPECT_EQ(date, Serie(1850, 5, 12));
}

const std::vector<std::pair<unsigned, unsigned>> OccidentalOuLatin;
const std::vector<std::pair<unsigned, unsigned>> Page932 = {{0x81, 0x9F}, {0xE0, 0xFC}};
const std::vector<std::pair<unsigned, unsigned>> Pages949Et950 = {{0x81, 0xFE}};

INSTANTIATE_TEST_SUITE_P(
    Wine, LocaleWindows,
    testing::Values(CasLocale{"fr_FR", MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), 1252, "dd/MM/yyyy", '/',
                              TOrdreDate::JMA, OccidentalOuLatin, "AM", "", 0, "12/05", "12/05/1850"},
                    CasLocale{"en_US", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 1252, "M/d/yyyy", '/',
                              TOrdreDate::MJA, OccidentalOuLatin, "AM", "", 0, "5/12", "5/12/1850"},
                    CasLocale{"de_DE", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), 1252, "d.M.yyyy", '.', TOrdreDate::JMA,
                              OccidentalOuLatin, "AM", "", 0, "12.5", "12.5.1850"},
                    // Japanese calendar: one era, 令和, from 2019.
                    CasLocale{"ja_JP", MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), 932, "yyyy/M/d", '/',
                              TOrdreDate::AMJ, Page932, "\x8C\xDF\x91\x4F", "\x97\xDF\x98\x61", 2019, "5/12",
                              "1850/5/12"},
                    // The separator ". " is three bytes: "/" is taken. The
                    // Korean calendar's era has no name, offset 2333.
                    CasLocale{"ko_KR", MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN), 949, "yyyy. M. d.", '/',
                              TOrdreDate::AMJ, Pages949Et950, "AM", "", 2333, "5/12", "1850/5/12"},
                    // Taiwan's calendar: 民國, from 1912.
                    CasLocale{"zh_TW", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), 950, "yyyy/M/d", '/',
                              TOrdreDate::AMJ, Pages949Et950, "\xA4\x57\xA4\xC8", "\xA5\xC1\xB0\xEA", 1912, "5/12",
                              "1850/5/12"}),
    [](const testing::TestParamInfo<CasLocale>& cas) { return std::string(cas.param.nom); });

}  // namespace
