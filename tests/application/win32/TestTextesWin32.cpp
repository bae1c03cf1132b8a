// The window's own texts read back from its real controls and boxes under
// the run's regional settings (French, Japanese: code page 932, or French
// under Windows' UTF-8 code page): caption, memo, hints, the kind of acts,
// the boxes and a failure that quotes the export read as under French
// settings, while a line of the report is read in the export's code page.
#include "RepondeurBoites.h"
#include "application/win32/Accueil.h"
#include "commun/DrapeauxBoite.h"
#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "dates/ChargeReglagesDate.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

// A name and a character in the export's code page, and as the window
// shows them: under the UTF-8 code page the export is read as Windows-1252.
struct OctetsDeLExport {
    std::string reference;
    std::wstring referenceAffichee;
    std::string lettre;
    std::wstring lettreAffichee;
};

OctetsDeLExport PourLaPageDuSysteme() {
    if (GetACP() == 932) return {"\x93\xFA\x96\x7B", L"日本", "\x93\xFA", L"日"};
    return {"Le F\xE8vre", L"Le Fèvre", "\xE9", L"é"};
}

// Room to spare: under a double-byte code page Wine's report box counts its
// length in characters and then wants room for its bytes.
std::wstring TexteDe(HWND fenetre) {
    wchar_t texte[512] = {};
    GetWindowTextW(fenetre, texte, static_cast<int>(std::size(texte)));
    return texte;
}

BOOL CALLBACK TrouveInfobulles(HWND fenetre, LPARAM trouvee) {
    wchar_t classe[32] = {};
    GetClassNameW(fenetre, classe, static_cast<int>(std::size(classe)));
    if (std::wstring(classe) != TOOLTIPS_CLASSW) return TRUE;
    *reinterpret_cast<HWND*>(trouvee) = fenetre;
    return FALSE;
}

// The texts of every tool of the thread's tooltip control.
std::vector<std::wstring> TextesInfobulles() {
    HWND bulle = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TrouveInfobulles, reinterpret_cast<LPARAM>(&bulle));
    std::vector<std::wstring> textes;
    const auto nombre = SendMessageW(bulle, TTM_GETTOOLCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(nombre); ++i) {
        wchar_t texte[256] = {};
        TOOLINFOW outil{};
        outil.cbSize = TTTOOLINFOW_V2_SIZE;
        outil.lpszText = texte;
        SendMessageW(bulle, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&outil));
        textes.emplace_back(texte);
    }
    return textes;
}

class TextesOutilWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        ChargeReglagesDate();
        application_ = std::make_unique<TApplication>(GetModuleHandleA(nullptr));
        accueil_ = std::make_unique<TAccueil>();
    }
    void TearDown() override {
        accueil_.reset();
        application_.reset();
    }

    std::unique_ptr<TApplication> application_;
    std::unique_ptr<TAccueil> accueil_;
    const OctetsDeLExport export_ = PourLaPageDuSysteme();
};

TEST_F(TextesOutilWin32, LesTextesDeLaFenetreSontCeuxDeLOutil) {
    EXPECT_EQ(TexteDe(accueil_->Handle()), L"Contrôle des dates invalides V. 1.01");
    EXPECT_EQ(TexteDe(accueil_->Memo),
              L"Ce programme permet de coontrôler les dates invalides\r\npour pouvoir les corriger dans Tabrenn 3.");
    TAccueil::FixeTexte(accueil_->ChampType, ChaineRessource(Msg::Deces));
    EXPECT_EQ(TexteDe(accueil_->ChampType), L"Décès");
    const std::vector<std::wstring> infobulles = TextesInfobulles();
    for (const wchar_t* hint : {L"Contrôle des dates dans Tabrenn 3", L"Affiche le nombre d'actes à traiter"})
        EXPECT_NE(std::find(infobulles.begin(), infobulles.end(), hint), infobulles.end()) << hint;
}

TEST_F(TextesOutilWin32, LeRapportLitLExportDansSaPageDeCode) {
    accueil_->Entree->AjouteLigne(Texte(export_.reference + " : "));
    EXPECT_EQ(TexteDe(accueil_->Entree->Handle()), export_.referenceAffichee + L" : \r\n");
}

TEST_F(TextesOutilWin32, LesBoitesMontrentLesTextesDeLOutilEtCeQuIlsCitentDeLExport) {
    const RepondeurBoites repondeur(nullptr);
    Application->AfficheMessage(ChaineRessource(Msg::CopiezResultats), ChaineRessource(Msg::Bravo),
                                Boite::IconeInformation);
    Application->DelivreGarde([&]() -> LRESULT {
        throw EConvertError(MessageRessource(Msg::DateIncorrecte, {TexteMixte::DeLExport(export_.lettre)}));
    });
    ASSERT_EQ(repondeur.Vues().size(), 2u);
    EXPECT_EQ(repondeur.Vues()[0].Texte, L"Copiez les résultats !");
    EXPECT_EQ(repondeur.Vues()[0].Titre, L"Bravo !");
    EXPECT_EQ(repondeur.Vues()[1].Texte, L"'" + export_.lettreAffichee + L"' n'est pas une date correcte.");
    EXPECT_EQ(repondeur.Vues()[1].Titre, L"test_fenetre_win32");
}

}  // namespace
