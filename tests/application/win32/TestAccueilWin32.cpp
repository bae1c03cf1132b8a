// Tests of the Windows main window under Wine: the layout's places and
// stacking at 96 dots per inch, the scaling rule for other screens, the tab
// order, the progress bar and the report box over the platform's real
// controls, the texts read back from them under the run's code page, the
// current folder kept by the open dialog, the rich-text control's DLL
// taken from the system folder only, the files given at start or dropped,
// the reason of each report line with the hint of another convention, what
// screen readers are told of the controls, and the colours under high
// contrast.
#include "RepondeurBoites.h"
#include "application/RapportRetenu.h"
#include "application/win32/Accueil.h"
#include "application/win32/Contraste.h"
#include "application/win32/Echelle.h"
#include "application/win32/Processus.h"
#include "application/win32/TexteLarge.h"
#include "commun/DrapeauxBoite.h"
#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "depart/Depart.h"
#include "depart/OutilsExport.h"
#include "support/ReglagesFrancais.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <richedit.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>

namespace {

class AccueilWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        application_ = std::make_unique<TApplication>(GetModuleHandleA(nullptr));
        accueil_ = std::make_unique<TAccueil>();
        ShowWindow(accueil_->Handle(), SW_SHOW);
    }
    void TearDown() override {
        accueil_.reset();
        application_.reset();
    }

    // A control's rectangle in the window's client coordinates.
    RECT Place(HWND controle) const {
        RECT place{};
        GetWindowRect(controle, &place);
        MapWindowPoints(nullptr, accueil_->Handle(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }

    void Tabulation() {
        const MSG touche{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(accueil_->TraiteToucheDialogue(touche));
    }

    std::unique_ptr<TApplication> application_;
    std::unique_ptr<TAccueil> accueil_;
};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Echelle, ADautresPointsParPouceLaPoliceSuitLEcranEtLaDispositionLaHauteurDeTexteMesuree) {
    const struct {
        int PointsParPouce;
        int TexteMesure;
        int Police;
        int Largeur;  // the client width of 444 on that screen
    } cas[] = {{96, 0, 11, 444}, {120, 16, 14, 546}, {144, 20, 17, 683}};
    for (const auto& c : cas) {
        int mesures = 0;
        const Echelle echelle = EchellePour(c.PointsParPouce, [&](int hauteur) {
            ++mesures;
            EXPECT_EQ(hauteur, c.Police);
            return c.TexteMesure;
        });
        EXPECT_EQ(echelle.HauteurPoliceFenetre, c.Police);
        EXPECT_EQ(echelle(444), c.Largeur);
        EXPECT_EQ(mesures, c.PointsParPouce == 96 ? 0 : 1);
    }
}

TEST_F(AccueilWin32, LesControlesSontALeurPlaceEtLesDerniersCreesPassentDessus) {
    RECT client{};
    GetClientRect(accueil_->Handle(), &client);
    EXPECT_EQ(client.right, 444);
    EXPECT_EQ(client.bottom, 248);
    const struct {
        HWND Controle;
        RECT Place;
        bool Visible;
    } cas[] = {
        {accueil_->Memo, {160, 8, 438, 49}, true},
        {accueil_->ChampType, {248, 52, 436, 78}, true},
        {accueil_->ChampNombre, {248, 92, 434, 118}, true},
        {accueil_->Progression->Handle(), {160, 136, 433, 153}, false},
        {accueil_->Entree->Handle(), {0, 0, 33, 25}, false},
    };
    for (const auto& c : cas) {
        EXPECT_TRUE(Place(c.Controle) == c.Place) << GetDlgCtrlID(c.Controle);
        EXPECT_EQ(IsWindowVisible(c.Controle) != FALSE, c.Visible) << GetDlgCtrlID(c.Controle);
    }
    // The status bar along the bottom, over the whole width.
    const RECT barre = Place(accueil_->BarreEtat);
    EXPECT_EQ(barre.left, 0);
    EXPECT_EQ(barre.right, 444);
    EXPECT_EQ(barre.bottom, 248);
    // The report box lies above the memo; the logo keeps its proportions.
    HWND dessus = GetTopWindow(accueil_->Handle());
    while (dessus && dessus != accueil_->Memo && dessus != accueil_->Entree->Handle())
        dessus = GetWindow(dessus, GW_HWNDNEXT);
    EXPECT_EQ(dessus, accueil_->Entree->Handle());
    EXPECT_TRUE(accueil_->Logo->RectangleDessin() == (RECT{4, 4, 153, 152}));
}

TEST_F(AccueilWin32, LaTabulationVaDuMemoAuxChampsEtALaBoiteDeRapportQuandElleEstMontree) {
    SetFocus(accueil_->Memo);
    Tabulation();
    EXPECT_EQ(GetFocus(), accueil_->ChampType);
    Tabulation();
    EXPECT_EQ(GetFocus(), accueil_->ChampNombre);
    Tabulation();
    EXPECT_EQ(GetFocus(), accueil_->Memo);
    accueil_->MontreEntree(true);
    SetFocus(accueil_->ChampNombre);
    Tabulation();
    EXPECT_EQ(GetFocus(), accueil_->Entree->Handle());
}

// The shared rules decide the range and the position; the platform's control
// takes them when the bar is first shown, and after.
TEST_F(AccueilWin32, LeControleDeLaBarreDeProgressionPrendSesBornesEtSaPosition) {
    TProgressBar& barre = *accueil_->Progression;
    barre.FixeMax(25);
    barre.FixePosition(0);
    barre.Montre(true);
    EXPECT_TRUE(IsWindowVisible(barre.Handle()));
    PBRANGE bornes{};
    SendMessageA(barre.Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&bornes));
    EXPECT_EQ(bornes.iLow, 1);
    EXPECT_EQ(bornes.iHigh, 25);
    EXPECT_EQ(SendMessageA(barre.Handle(), PBM_GETPOS, 0, 0), 1);
    barre.FixePosition(500);
    EXPECT_EQ(SendMessageA(barre.Handle(), PBM_GETPOS, 0, 0), 25);
    barre.FixeMax(1'000'000);
    SendMessageA(barre.Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&bornes));
    EXPECT_EQ(bornes.iHigh, 1'000'000);
    barre.Repeint();
    barre.Montre(false);
    EXPECT_FALSE(IsWindowVisible(barre.Handle()));
}

TEST_F(AccueilWin32, LaBoiteDeRapportAjouteChaqueLigneSuivieDUnSautDeLigne) {
    TRichEdit& rapport = *accueil_->Entree;
    rapport.Vide();
    rapport.AjouteLigne(Texte("M1869-007 Le F\xe8vre : 1850"));
    rapport.AjouteLigne(Texte("M1846-011 Le Roux : "));
    EXPECT_EQ(rapport.Contenu(), L"M1869-007 Le Fèvre : 1850\r\nM1846-011 Le Roux : \r\n");
    // A last line that holds characters gets the break before the new line.
    SetWindowTextW(rapport.Handle(), L"A");
    rapport.AjouteLigne(Texte(std::string("B\0C", 3)));
    EXPECT_EQ(rapport.Contenu(), L"A\r\nB C");
    SendMessageA(rapport.Handle(), EM_SETMODIFY, TRUE, 0);
    rapport.Vide();
    EXPECT_EQ(rapport.Contenu(), L"");
    EXPECT_EQ(SendMessageA(rapport.Handle(), EM_GETMODIFY, 0, 0), 0);
}

// The run's code page is 1252, 1251 (Russian settings), 932 (Japanese
// settings) or the UTF-8 one, where the export is read as Windows-1252: the
// tool's own texts read the same under each, a name of the export as its
// code page says.
std::pair<std::string, std::wstring> NomDeLExport() {
    if (GetACP() == 932) return {"\x93\xFA\x96\x7B", L"日本"};
    if (GetACP() == 1251) return {"\xC8\xE2\xE0\xED\xEE\xE2", L"Иванов"};
    return {"Le F\xE8vre", L"Le Fèvre"};
}

std::wstring TexteDe(HWND fenetre) {
    // Room to spare: under a double-byte code page Wine's report box gives
    // its length in characters, then wants room for its bytes.
    wchar_t texte[512] = {};
    GetWindowTextW(fenetre, texte, 512);
    return texte;
}

TEST_F(AccueilWin32, TextesDeLOutilEtLigneDeLExportRelusDesControles) {
    EXPECT_EQ(TexteDe(accueil_->Handle()), L"Contrôle des dates invalides V. 1.01");
    EXPECT_EQ(TexteDe(accueil_->Memo),
              L"Ce programme permet de coontrôler les dates invalides\r\npour pouvoir les corriger dans Tabrenn 3.");
    TAccueil::FixeTexte(accueil_->ChampType, ChaineRessource(Msg::Deces));
    EXPECT_EQ(TexteDe(accueil_->ChampType), L"Décès");
    const auto nom = NomDeLExport();
    accueil_->Entree->AjouteLigne(Texte(nom.first + " : "));
    // A date that ends in a lone lead byte keeps the break after it.
    accueil_->Entree->AjouteLigne(Texte("x : 1850\x82"));
    EXPECT_EQ(TexteDe(accueil_->Entree->Handle()),
              nom.second + L" : \r\nx : 1850" + (GetACP() == 932 ? L"\uFFFD" : L"\u201A") + L"\r\n");
}

TEST_F(AccueilWin32, TextesDesBoitesEtDUnEchecQuiCiteLExport) {
    const auto nom = NomDeLExport();
    const RepondeurBoites repondeur(nullptr);
    Application->AfficheMessage(ChaineRessource(Msg::CopiezResultats), ChaineRessource(Msg::Bravo),
                                Boite::IconeInformation);
    Application->DelivreGarde([&]() -> LRESULT {
        throw EConvertError(MessageRessource(Msg::DateIncorrecte, {TexteMixte::DeLExport(nom.first)}));
    });
    ASSERT_EQ(repondeur.Vues().size(), 2u);
    EXPECT_EQ(repondeur.Vues()[0].Texte, L"Copiez les résultats !");
    EXPECT_EQ(repondeur.Vues()[0].Titre, L"Bravo !");
    EXPECT_EQ(repondeur.Vues()[1].Texte, L"'" + nom.second + L"' n'est pas une date correcte.");
    EXPECT_EQ(repondeur.Vues()[1].Titre, L"test_fenetre_win32");
}

// The box holds what the Linux one holds, far past the control's default
// limit; set small, counted in the control's characters (a break one, a
// character of two bytes one), the lines that fit stay whole and the first
// that does not is not taken. (The end-to-end test copies a long report.)
TEST_F(AccueilWin32, UneBoiteDeRapportPleineEchoueSurLaLigneQuiNeTientPas) {
    TRichEdit& rapport = *accueil_->Entree;
    EXPECT_EQ(SendMessageA(rapport.Handle(), EM_GETLIMITTEXT, 0, 0), CapaciteRapport);
    const auto nom = NomDeLExport();
    const auto capacite = static_cast<std::int64_t>(nom.second.size()) + 8;
    rapport.FixeCapacite(capacite);
    EXPECT_EQ(SendMessageA(rapport.Handle(), EM_GETLIMITTEXT, 0, 0), capacite);
    RapportRetenu retenu(rapport);
    for (const char* ligne : {"abc", nom.first.c_str(), "gh"}) retenu.Ajoute(Texte(ligne));
    EXPECT_THROW(retenu.Ajoute(Texte("i")), EOutOfResources);
    EXPECT_EQ(rapport.Contenu(), L"abc\r\n" + nom.second + L"\r\ngh\r\n");
}

// A second "Ouvre" starts the dialog in the folder of the first choice,
// which the dialog then makes the current folder; the folder the program
// ran from is back after it. The dialog gives any name whole, whatever the
// code page holds of it: folders it lacks in part, a path of more than
// MAX_PATH bytes in a double-byte code page (fewer characters, which Wine's
// dialog holds).
TEST_F(AccueilWin32, LeDialogueDOuvertureRendLeDossierCourant) {
    const DossierTemporaire dossier;
    const std::filesystem::path ici = dossier.Chemin() / L"Contrôle des dates";
    std::filesystem::create_directories(ici);
    const std::string choisi = dossier.Ecrit(
        L"Zoé\\Łódź\\日本語\\" + std::wstring(80, L'日') + L"\\" + std::wstring(80, L'本') + L"\\export.txt",
        "TABRENNV3");
    const std::filesystem::path avant = std::filesystem::current_path();
    std::filesystem::current_path(ici);
    for (const std::string& nom : {choisi, std::string("export.txt")}) {
        const RepondeurBoites repondeur(nullptr, 1, nom);
        EXPECT_TRUE(accueil_->OpenDialog.Execute(Application->FenetreApplication()));
        EXPECT_EQ(accueil_->OpenDialog.FileName().Octets(), choisi);
        EXPECT_EQ(std::filesystem::current_path(), ici);
    }
    std::filesystem::current_path(avant);
}

// A drop of files as the shell makes it: DROPFILES, then each UTF-16 name
// and a last zero.
HDROP Depot(const std::vector<std::wstring>& noms) {
    std::wstring liste;
    for (const std::wstring& nom : noms) liste += nom + L'\0';
    const HGLOBAL memoire = GlobalAlloc(GMEM_ZEROINIT, sizeof(DROPFILES) + (liste.size() + 1) * sizeof(wchar_t));
    auto* depot = static_cast<DROPFILES*>(memoire);
    *depot = {sizeof(DROPFILES), {}, FALSE, TRUE};
    std::copy(liste.begin(), liste.end(), reinterpret_cast<wchar_t*>(depot + 1));
    return static_cast<HDROP>(memoire);
}

// Files given at start or dropped: one opens as the dialog would open it
// (its name outside the system's code page too), several are
// refused; then the reason of each report line under the pointer, however
// the box wraps it, and the hint of another convention.
TEST_F(AccueilWin32, FichiersDonnesPuisRaisonDeChaqueLigneEtIndice) {
    const ReglagesFrancais reglages(2026);
    ReinitialiseDepart();
    const DossierTemporaire dossier;
    std::vector<std::string> lignes(20, LigneExport("r", "1850-05-12"));
    lignes.push_back(LigneExport(std::string(120, 'x'), "31/02/1850"));
    const std::wstring chemin = std::filesystem::path(dossier.Ecrit("export.txt", Export(lignes))).wstring();
    std::filesystem::copy_file(chemin, std::filesystem::path(chemin).parent_path() / L"Łódź.txt");
    EXPECT_TRUE(GetWindowLongW(accueil_->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    const struct {
        std::vector<std::wstring> Noms;
        bool Depose;
        std::wstring Boite;
    } cas[] = {
        {{chemin + L".absent"}, true, L"Fichier introuvable."},
        {{chemin, chemin},
         false,
         L"Un seul fichier à la fois : donnez ou déposez un seul fichier export de Tabrenn 3."},
        {{std::filesystem::path(chemin).parent_path() / L"Łódź.txt"}, false, L""},
        {{chemin}, true, L""},
    };
    for (const auto& c : cas) {
        const RepondeurBoites repondeur(nullptr);
        if (c.Depose) SendMessageW(accueil_->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(Depot(c.Noms)), 0);
        else accueil_->OuvreAuDemarrage(c.Noms);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
        EXPECT_EQ(repondeur.Vues().empty() ? L"" : repondeur.Vues().front().Texte, c.Boite);
    }
    EXPECT_EQ(TexteDe(accueil_->ChampNombre), L"21");
    const RepondeurBoites repondeur(nullptr);
    accueil_->BoutonTraiteClick(nullptr);
    wchar_t panneau[64] = {};
    SendMessageW(accueil_->BarreEtat, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(panneau));
    EXPECT_STREQ(panneau, L"a-m-j ? 95 % des refus");
    const auto ligne = [this](LPARAM caractere) {
        POINTL place{};
        SendMessageW(accueil_->Entree->Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), caractere);
        return accueil_->Entree->LigneA({place.x + 2, place.y + 2});
    };
    EXPECT_EQ(Large(accueil_->Entree->Raisons.Raison(ligne(20 * 15 + 1))),
              L"le 31 février 1850 n'existe pas : ce mois n'a que 28 jours");
    EXPECT_EQ(ligne(20 * 15 + 130).Octets(), std::string(120, 'x') + " : 31/02/1850");
}

// What a screen reader reads of each control, as the system's accessibility
// gives it: a button its caption, each field its label's text, the report
// box a name of its own (not its contents), the memo no label's name. A
// button pressed does not take the focus.
TEST_F(AccueilWin32, ChaqueControleEstLuSousSonNomEtSonRole) {
    TAccueil::FixeTexte(accueil_->ChampType, Texte("Naissances"));
    accueil_->Entree->AjouteLigne(Texte("M1851-001 : 1851"));
    const struct {
        HWND Controle;
        const wchar_t* Nom;
        long Role;
    } cas[] = {
        {accueil_->BoutonOuvre->Handle(), L"Ouvre", ROLE_SYSTEM_PUSHBUTTON},
        {accueil_->BoutonTraite->Handle(), L"Traite", ROLE_SYSTEM_PUSHBUTTON},
        {accueil_->BoutonQuite->Handle(), L"Quitte", ROLE_SYSTEM_PUSHBUTTON},
        {accueil_->ChampType, L"Actes de :", ROLE_SYSTEM_TEXT},
        {accueil_->ChampNombre, L"Nb d'actes :", ROLE_SYSTEM_TEXT},
        {accueil_->Memo, L"", ROLE_SYSTEM_TEXT},
        {accueil_->Entree->Handle(), L"Rapport des dates invalides", ROLE_SYSTEM_TEXT},
    };
    for (const auto& c : cas) {
        IAccessible* objet = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(c.Controle, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&objet)),
                  S_OK);
        VARIANT soi{};
        soi.vt = VT_I4;
        BSTR nom = nullptr;
        VARIANT role{};
        objet->get_accName(soi, &nom);
        objet->get_accRole(soi, &role);
        EXPECT_EQ(std::wstring(nom ? nom : L""), c.Nom);
        EXPECT_EQ(role.lVal, c.Role) << c.Nom;
        SysFreeString(nom);
        objet->Release();
    }
    SetFocus(accueil_->ChampNombre);
    SendMessageW(accueil_->BoutonOuvre->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), accueil_->ChampNombre);
    SendMessageW(accueil_->BoutonOuvre->Handle(), WM_CANCELMODE, 0, 0);
}

// The window as the screen shows it, kept as a picture (BMP) to look at;
// returns the colour of a pixel of the report box, near its bottom right.
COLORREF Photographie(HWND fenetre, HWND boite, const char* chemin) {
    RECT place{}, coin{};
    GetWindowRect(fenetre, &place);
    GetWindowRect(boite, &coin);
    BITMAPINFOHEADER entete{
        sizeof entete, place.right - place.left, place.bottom - place.top, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC ecran = GetDC(nullptr);
    HDC memoire = CreateCompatibleDC(ecran);
    void* pixels = nullptr;
    const HGDIOBJ ancienne = SelectObject(
        memoire, CreateDIBSection(ecran, reinterpret_cast<BITMAPINFO*>(&entete), DIB_RGB_COLORS, &pixels, nullptr, 0));
    BitBlt(memoire, 0, 0, entete.biWidth, entete.biHeight, ecran, place.left, place.top, SRCCOPY);
    const COLORREF pixel = GetPixel(memoire, coin.right - place.left - 6, coin.bottom - place.top - 6);
    GdiFlush();
    const auto taille = static_cast<DWORD>(4 * entete.biWidth * entete.biHeight);
    const DWORD octets = sizeof(BITMAPFILEHEADER) + sizeof entete;
    const BITMAPFILEHEADER fichier{0x4D42, octets + taille, 0, 0, octets};
    std::ofstream(chemin, std::ios::binary)
        .write(reinterpret_cast<const char*>(&fichier), sizeof fichier)
        .write(reinterpret_cast<const char*>(&entete), sizeof entete)
        .write(static_cast<const char*>(pixels), static_cast<std::streamsize>(taille));
    DeleteObject(SelectObject(memoire, ancienne));
    DeleteDC(memoire);
    ReleaseDC(nullptr, ecran);
    return pixel;
}

// High contrast, given since Wine cannot turn it on: the report box takes
// its background and its text from the system colours, which SetSysColors
// changes here (announced by WM_SYSCOLORCHANGE); back to the layout's cream,
// the text still given explicitly, when high contrast goes (announced by
// WM_SETTINGCHANGE). Pictures of both are kept.
TEST_F(AccueilWin32, SousContrasteEleveLaBoiteDeRapportPrendLesCouleursDuSysteme) {
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF theme[] = {RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 96), RGB(0, 255, 255)};
    COLORREF avant[std::size(elements)];
    for (std::size_t i = 0; i < std::size(elements); ++i) avant[i] = GetSysColor(elements[i]);
    accueil_->Entree->AjouteLigne(Texte("M1851-001 Kerhervé Anne × Le Roux Corentin : 31/02/1850"));
    accueil_->DimensionneEntree(441, 161);
    accueil_->MontreEntree(true);
    const struct {
        bool Contraste;
        COLORREF Fond;
        const char* Photo;
    } cas[] = {{true, RGB(0, 0, 0), "contraste-eleve.bmp"}, {false, RGB(255, 251, 240), "sans-contraste.bmp"}};
    for (const auto& c : cas) {
        ImposeContrasteEleve(c.Contraste);
        if (c.Contraste) SetSysColors(4, elements, theme);
        else SendMessageW(accueil_->Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        RedrawWindow(accueil_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        CHARFORMAT2W encre{};
        encre.cbSize = sizeof encre;
        SendMessageW(accueil_->Entree->Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&encre));
        EXPECT_EQ(encre.crTextColor, RGB(255, 255, 0));
        EXPECT_FALSE(encre.dwEffects & CFE_AUTOCOLOR);
        EXPECT_EQ(Photographie(accueil_->Handle(), accueil_->Entree->Handle(), c.Photo), c.Fond);
    }
    SetSysColors(4, elements, avant);
    ImposeContrasteEleve(std::nullopt);
}

// A DLL of the name asked that lies in the current folder is never taken.
TEST(BibliothequeSysteme, SeuleLaBibliothequeDuDossierSystemeEstChargee) {
    char systeme[MAX_PATH] = {};
    GetSystemDirectoryA(systeme, MAX_PATH);
    const HMODULE texteRiche = ChargeBibliothequeSysteme("msftedit.dll");
    char chemin[MAX_PATH] = {};
    GetModuleFileNameA(texteRiche, chemin, MAX_PATH);
    EXPECT_EQ(std::filesystem::path(chemin).parent_path(), std::filesystem::path(systeme));
    FreeLibrary(texteRiche);

    const DossierTemporaire dossier;
    std::filesystem::copy_file(std::filesystem::path(systeme) / "msftedit.dll", dossier.Chemin() / "copie-ici.dll");
    const std::filesystem::path avant = std::filesystem::current_path();
    std::filesystem::current_path(dossier.Chemin());
    try {
        ChargeBibliothequeSysteme("copie-ici.dll");
        ADD_FAILURE() << "une bibliothèque hors du dossier système est chargée";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().Octets(), "Impossible de charger " + std::string(systeme) +
                                            "\\copie-ici.dll : la fen\xeatre ne peut pas s'ouvrir sans cette "
                                            "biblioth\xe8que de Windows");
    }
    std::filesystem::current_path(avant);
}

}  // namespace
