// The Windows locale services under the run's French settings: the reload
// moves the thread back to the user's default locale, and the comparison
// follows the user's locale. (Each locale's data: TestLocalesWine.cpp.)
#include "dates/ChargeReglagesDate.h"
#include "support/ServicesAnneeTenue.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr LCID Allemand = 0x0407;

TEST(ServicesWindows, LeRechargementRevientALaLocaleDeLUtilisateur) {
    ServicesAnneeTenue horloge(2024);
    ASSERT_EQ(ReglagesDate.SeparateurDate, '/');
    ASSERT_TRUE(SetThreadLocale(Allemand));
    ChargeReglagesDate();
    EXPECT_EQ(ReglagesDate.SeparateurDate, '.');
    EXPECT_EQ(ReglagesDate.FormatDateCourt, Texte("d.M.yyyy"));
    RechargeReglagesUtilisateur();
    EXPECT_EQ(GetThreadLocale(), GetUserDefaultLCID());
    EXPECT_EQ(ReglagesDate.SeparateurDate, '/');
    EXPECT_EQ(ReglagesDate.FormatDateCourt, Texte("dd/MM/yyyy"));
}

TEST(ServicesWindows, ComparaisonSansCasseDeLaLocaleUtilisateur) {
    ServicesLocale& services = ServicesLocalePlateforme();
    EXPECT_EQ(services.CompareStringA(Locale::UtilisateurParDefaut, Locale::NormIgnoreCase, "pm", "PM"),
              Locale::CstrEqual);
    EXPECT_EQ(services.CompareStringA(Locale::UtilisateurParDefaut, Locale::NormIgnoreCase, "\xE9t\xE9", "\xC9T\xC9"),
              Locale::CstrEqual);
    EXPECT_NE(services.CompareStringA(Locale::UtilisateurParDefaut, 0, "pm", "PM"), Locale::CstrEqual);
    EXPECT_EQ(services.IdentifiantPlateforme(), Locale::PlateformeNT);
}

}  // namespace
