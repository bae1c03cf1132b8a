// Tests of the Windows application object under Wine: the title rule, the
// modal message box, the failure display, the request to end, and the
// reload of the date settings when the platform announces a change to the
// application window.
#include "RepondeurBoites.h"
#include "application/win32/Application.h"
#include "application/win32/TitreProgramme.h"
#include "commun/DrapeauxBoite.h"
#include "commun/ReglagesDate.h"
#include "dates/ChargeReglagesDate.h"
#include "depart/Verification.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class ApplicationWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        // As the program starts: the settings first, then the application object.
        ChargeReglagesDate();
        application_ = std::make_unique<TApplication>(GetModuleHandleA(nullptr));
    }
    void TearDown() override { application_.reset(); }

    // A window of the tool that the boxes must disable while they are shown.
    HWND FenetreOutil() {
        fenetre_ = CreateWindowExA(0, "STATIC", "outil", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                   Application->FenetreApplication(), nullptr, nullptr, nullptr);
        return fenetre_;
    }

    std::unique_ptr<TApplication> application_;
    HWND fenetre_ = nullptr;
};

TEST(TitreProgramme, NomDeLExecutableCoupeAuPremierPointEnMinusculesSaufLePremierCaractere) {
    const struct {
        const char* Chemin;
        const char* Titre;
    } cas[] = {
        {"D:\\Outils\\VERIF.DATES.EXE", "Verif"},
        {"C:\\CONTROLE.EXE", "Controle"},
        {"Controle", "Controle"},
        // OEM bytes (code page 850) pass to the ANSI ones first: 0x93 is ô, 0x90 is É.
        {"C:\\CONTR\x93LE.EXE", "Contr\xf4le"},
        {"C:\\\x90TAT.EXE", "\xc9tat"},
        {"C:\\Outils\\.cache", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(TitreDepuisChemin(c.Chemin).Octets(), c.Titre) << c.Chemin;
    // A Unicode path: the same title inside the code page (1252 here, whose
    // Ô is the OEM È), its letters kept outside it.
    EXPECT_EQ(TitreDepuisCheminLarge(L"C:\\CONTRÔLE.EXE"), L"Contrèle");
    EXPECT_EQ(TitreDepuisCheminLarge(L"C:\\Zo\u00e9\\\u0141\u00d3D\u0179.DATES.EXE"), L"\u0141\u00f3d\u017a");
}

TEST_F(ApplicationWin32, LaFenetreDApplicationPorteLeTitreSansTailleEtSansDeplacementNiAgrandissement) {
    EXPECT_EQ(Application->TitreApplication(), L"test_fenetre_win32");
    RECT cadre{};
    GetWindowRect(Application->FenetreApplication(), &cadre);
    EXPECT_EQ(cadre.right - cadre.left, 0);
    const HMENU menu = GetSystemMenu(Application->FenetreApplication(), FALSE);
    for (const int commande : {SC_MOVE, SC_SIZE, SC_MAXIMIZE})
        EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(commande), MF_BYCOMMAND), 0xFFFFFFFFu) << commande;
}

TEST_F(ApplicationWin32, UneBoiteDesactiveLesFenetresDeLOutilPuisLesRendActivesAvecLeFocus) {
    const HWND outil = FenetreOutil();
    SetActiveWindow(outil);
    SetFocus(outil);
    const RepondeurBoites repondeur(outil);
    EXPECT_EQ(Application->AfficheMessage("Copiez les r\xe9sultats !", "Bravo !", Boite::IconeInformation),
              Boite::BoutonOk);
    ASSERT_EQ(repondeur.Vues().size(), 1u);
    EXPECT_EQ(repondeur.Vues()[0].Titre, L"Bravo !");
    EXPECT_EQ(repondeur.Vues()[0].Texte, L"Copiez les résultats !");
    EXPECT_TRUE(repondeur.Vues()[0].FenetreDesactivee);
    EXPECT_TRUE(IsWindowEnabled(outil));
    EXPECT_EQ(GetActiveWindow(), outil);
    EXPECT_EQ(GetFocus(), outil);
}

TEST_F(ApplicationWin32, UneBoiteOuverteApresLaDemandeDeFinResteJusquAuClicEtLaBouclePrendLaDemandeEnsuite) {
    Application->DemandeFin();
    // The box must still be there after several ticks of the answerer.
    const RepondeurBoites repondeur(nullptr, 4);
    Application->AfficheMessage("reste", "Essai", Boite::IconeInformation);
    EXPECT_EQ(repondeur.Vues().size(), 1u);
    EXPECT_FALSE(Application->FinPrise());
    EXPECT_EQ(Application->BoucleEvenements(SW_SHOWNORMAL), 0);
    EXPECT_TRUE(Application->FinPrise());
}

// Holds the user's short-date setting for a test, and puts it back.
class FormatDateTenu {
public:
    FormatDateTenu() { GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, ancien_, sizeof ancien_); }
    ~FormatDateTenu() {
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, ancien_);
        RechargeReglagesUtilisateur();
    }
    void Fixe(const char* format) { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format); }

private:
    char ancien_[80] = {};
};

TEST_F(ApplicationWin32, UneAnnonceDeChangementALaFenetreDApplicationRechargeLesReglagesDeDate) {
    const UINT barreDesTaches = RegisterWindowMessageA("TaskbarCreated");
    const struct {
        UINT Annonce;
        bool Mise;
        bool Recharge;
    } cas[] = {{WM_SETTINGCHANGE, true, true}, {barreDesTaches, true, true}, {WM_SETTINGCHANGE, false, false}};
    for (const auto& c : cas) {
        FormatDateTenu tenu;
        ASSERT_TRUE(DateValide(Texte("31/12/1999")));
        tenu.Fixe("MM/dd/yyyy");
        Application->MajReglagesAuChangement = c.Mise;
        SendMessageA(Application->FenetreApplication(), c.Annonce, 0, reinterpret_cast<LPARAM>("intl"));
        EXPECT_EQ(DateValide(Texte("12/31/1999")), c.Recharge) << c.Annonce;
        EXPECT_EQ(DateValide(Texte("31/12/1999")), !c.Recharge) << c.Annonce;
        EXPECT_EQ(ReglagesDate.FormatDateCourt.Octets(), c.Recharge ? "MM/dd/yyyy" : "dd/MM/yyyy");
    }
}

}  // namespace
