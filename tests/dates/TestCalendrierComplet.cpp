// Every day of the calendar under French settings: from 01/01/0001 to
// 31/12/9999 each day is accepted with the serial day after the one before
// (30/12/1899 being 0), and the day after the last day of every month is
// refused.
#include "dates/ReconnaitDate.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string_view>

namespace {

// "jj/mm/aaaa" of the day, without allocating.
std::string_view EcritDate(char (&texte)[10], unsigned jour, unsigned mois, int annee) {
    const auto chiffre = [](unsigned valeur) { return static_cast<char>('0' + valeur % 10); };
    const auto a = static_cast<unsigned>(annee);
    texte[0] = chiffre(jour / 10), texte[1] = chiffre(jour), texte[2] = '/';
    texte[3] = chiffre(mois / 10), texte[4] = chiffre(mois), texte[5] = '/';
    texte[6] = chiffre(a / 1000), texte[7] = chiffre(a / 100), texte[8] = chiffre(a / 10), texte[9] = chiffre(a);
    return {texte, sizeof texte};
}

TEST(CalendrierComplet, ChaqueJourSuitLeVeilleEtLeLendemainDuDernierJourEstRefuse) {
    using namespace std::chrono;
    ReglagesFrancais reglages(2026);
    const sys_days premier = year{1} / January / 1;
    const sys_days dernier = year{9999} / December / 31;
    const sys_days origine = year{1899} / December / 30;
    char texte[10];
    TDateSerie veille = static_cast<TDateSerie>((premier - origine).count()) - 1;
    int accepteEnTrop = 0, jourRefuse = 0, ecart = 0;
    for (sys_days jour = premier; jour <= dernier; jour += days{1}) {
        const year_month_day date{jour};
        TDateSerie serie = 0;
        const auto j = static_cast<unsigned>(date.day()), m = static_cast<unsigned>(date.month());
        if (!TenteReconnaitDate(EcritDate(texte, j, m, static_cast<int>(date.year())), serie)) ++jourRefuse;
        if (serie != veille + 1) ++ecart;
        veille = serie;
        if (date == year_month_day_last{date.year(), month_day_last{date.month()}} &&
            TenteReconnaitDate(EcritDate(texte, j + 1, m, static_cast<int>(date.year())), serie))
            ++accepteEnTrop;
    }
    EXPECT_EQ(jourRefuse, 0);
    EXPECT_EQ(ecart, 0);
    EXPECT_EQ(accepteEnTrop, 0);
    TDateSerie zero = -1;
    ASSERT_TRUE(TenteReconnaitDate("30/12/1899", zero));
    EXPECT_EQ(zero, 0);
}

}  // namespace
