// The main window: its build from the layout, its drawing and colours, the
// names of its controls, the tab order, the buttons' letters and the focus,
// the tooltips, the wait cursor, and the "Quitte" handler.
#include "application/win32/Accueil.h"

#include "DispositionAccueil.h"
#include "application/Accessibilite.h"
#include "application/PanneauxBarreEtat.h"
#include "application/win32/Contraste.h"
#include "application/win32/MenuRapport.h"
#include "application/win32/ObjetAccessible.h"
#include "application/win32/Processus.h"
#include "application/win32/Ressources.h"
#include "application/win32/TexteLarge.h"
#include "application/win32/controles/DecodeJpeg.h"
#include "commun/Messages.h"
#include "commun/Texte.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace {

const wchar_t* const ClasseAccueil = L"TAccueil";
// Where the layout puts the window on screen.
constexpr POINT PositionEcran{194, 110};
constexpr DWORD StyleFenetre = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
const char* const CurseurAttente = MAKEINTRESOURCEA(32514);  // IDC_WAIT
// One pixel left and right of the memo's text.
constexpr LPARAM MargesMemo = 1 | (1 << 16);

const Disposition::Controle& Dispose(const char* nom) {
    for (const auto& controle : Disposition::Controles)
        if (std::strcmp(controle.Nom, nom) == 0) return controle;
    throw std::logic_error(std::string("contrôle absent de la disposition : ") + nom);
}

// Each windowed control's identifier is its rank in the layout, from 1.
int Identifiant(const char* nom) {
    return static_cast<int>(std::distance(std::begin(Disposition::Controles), &Dispose(nom))) + 1;
}

HBITMAP ChargeGlyph(HINSTANCE instance, const char* nom) {
    return static_cast<HBITMAP>(LoadImageA(instance, nom, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HBITMAP ChargeLogo(HINSTANCE instance) {
    const HRSRC ressource = FindResourceA(instance, Ressources::Logo, MAKEINTRESOURCEA(10));  // RT_RCDATA
    const HGLOBAL donnees = ressource ? LoadResource(instance, ressource) : nullptr;
    if (!donnees) return nullptr;
    return DecodeJpeg(static_cast<const unsigned char*>(LockResource(donnees)), SizeofResource(instance, ressource));
}

int PointsParPouceEcran() {
    HDC ecran = GetDC(nullptr);
    const int points = GetDeviceCaps(ecran, LOGPIXELSY);
    ReleaseDC(nullptr, ecran);
    return points;
}

// The name read for a text of the layout.
std::wstring Nom(const char* texte) { return Large(Texte(Accessibilite::NomDuTexte(texte))); }

}  // namespace

TAccueil::TAccueil()
    : echelle_(EchellePour(PointsParPouceEcran(), HauteurTextePoliceFenetre)), polices_(CreePolices(echelle_)) {
    INITCOMMONCONTROLSEX communs{sizeof communs, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&communs);
    texteRiche_ = ChargeBibliothequeSysteme("msftedit.dll");
    CreeFenetre();
    CreeControles();
    NommeControles();
    AppliqueCouleurs();
    CreeInfobulles();
    // Files dropped on any part of the window come to it.
    DragAcceptFiles(fenetre_, TRUE);
    // The buttons' letters underlined as the user's settings say (on Windows
    // usually once Alt is pressed).
    SendMessageW(fenetre_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    Application->FixeFenetrePrincipale(*this);
}

TAccueil::~TAccueil() {
    infobulles_.reset();
    if (fenetre_) DestroyWindow(fenetre_);
    if (texteRiche_) FreeLibrary(texteRiche_);
}

void TAccueil::CreeFenetre() {
    WNDCLASSEXW classe{};
    classe.cbSize = sizeof classe;
    classe.lpfnWndProc = ProcedureFenetre;
    classe.hInstance = Application->Instance();
    classe.hIcon = Application->Icone();
    classe.hIconSm = Application->PetiteIcone();
    classe.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    classe.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    classe.lpszClassName = ClasseAccueil;
    RegisterClassExW(&classe);
    // The client area is the layout's, whatever the platform's borders.
    RECT cadre{0, 0, echelle_(Disposition::LargeurClient), echelle_(Disposition::HauteurClient)};
    AdjustWindowRectEx(&cadre, StyleFenetre, FALSE, 0);
    CreateWindowExW(0, ClasseAccueil, Large(Disposition::Caption).c_str(), StyleFenetre, PositionEcran.x,
                    PositionEcran.y, cadre.right - cadre.left, cadre.bottom - cadre.top,
                    Application->FenetreApplication(), nullptr, Application->Instance(), this);
}

RECT TAccueil::Place(const char* nom) const {
    const Disposition::Controle& d = Dispose(nom);
    const int gauche = echelle_(d.Gauche);
    const int haut = echelle_(d.Haut);
    return {gauche, haut, gauche + echelle_(d.Largeur), haut + echelle_(d.Hauteur)};
}

void TAccueil::CreeControles() {
    const HINSTANCE instance = Application->Instance();
    Logo = std::make_unique<TImage>(Place("Logo"), ChargeLogo(instance),
                                    ReglagesPlacement{.Stretch = false, .Proportional = true, .Center = false});
    BoutonOuvre = CreeBouton("BoutonOuvre", Ressources::GlypheOuvre, &TAccueil::BoutonOuvreClick);
    BoutonTraite = CreeBouton("BoutonTraite", Ressources::GlypheTraite, &TAccueil::BoutonTraiteClick);
    BoutonQuite = CreeBouton("BoutonQuite", Ressources::GlypheQuitte, &TAccueil::BoutonQuiteClick);
    LabelType = CreeLabel("LabelType");
    LabelNombre = CreeLabel("LabelNombre");

    Memo = CreeControle(L"EDIT", "Memo", WS_TABSTOP | ES_MULTILINE | ES_CENTER | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE,
                        polices_.F4.get());
    // Narrow margins, so that each of its two lines holds on one line.
    SendMessageA(Memo, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MargesMemo);
    BarreEtat = CreeBarreEtat();
    ChampType = CreeControle(L"EDIT", "ChampType", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, polices_.F1.get());
    ChampNombre =
        CreeControle(L"EDIT", "ChampNombre", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, polices_.F1.get());
    Progression = std::make_unique<TProgressBar>(CreeControle(PROGRESS_CLASSW, "Progression", PBS_SMOOTH, 0, nullptr));
    const HWND entree = CreeControle(MSFTEDIT_CLASS, "Entree", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL,
                                     WS_EX_CLIENTEDGE, polices_.Fenetre.get());
    TRichEdit::Exige(entree != nullptr, "CreateWindowExW");
    // The report is plain text: a copy then carries the text alone, without
    // a rich-text rendering of it (which Wine's control makes in a time that
    // grows with the square of the report). The mode can change only while
    // the control is empty and has nothing to undo.
    SendMessageW(entree, EM_EMPTYUNDOBUFFER, 0, 0);
    TRichEdit::Exige(SendMessageW(entree, EM_SETTEXTMODE, TM_PLAINTEXT, 0) == 0, "EM_SETTEXTMODE");
    Entree = std::make_unique<TRichEdit>(entree);
    DonneMenuRapport(entree);

    boutons_ = {BoutonOuvre.get(), BoutonTraite.get(), BoutonQuite.get()};
    for (const char* nom : Disposition::OrdreTabulation)
        ordreTabulation_.push_back(GetDlgItem(fenetre_, Identifiant(nom)));
}

HWND TAccueil::CreeControle(const wchar_t* classe, const char* nom, DWORD style, DWORD styleEtendu, HFONT police) {
    const Disposition::Controle& d = Dispose(nom);
    const RECT place = Place(nom);
    const HWND controle = CreateWindowExW(styleEtendu, classe, Large(d.Texte ? d.Texte : "").c_str(),
                                          WS_CHILD | WS_CLIPSIBLINGS | (d.Visible ? WS_VISIBLE : 0u) | style,
                                          place.left, place.top, place.right - place.left, place.bottom - place.top,
                                          fenetre_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Identifiant(nom))),
                                          Application->Instance(), nullptr);
    if (police) SendMessageA(controle, WM_SETFONT, reinterpret_cast<WPARAM>(police), FALSE);
    // A later control lies above the earlier ones.
    SetWindowPos(controle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return controle;
}

std::unique_ptr<TSpeedButton> TAccueil::CreeBouton(const char* nom, const char* glyph,
                                                   void (TAccueil::*gestionnaire)(TSpeedButton*)) {
    const HWND controle = CreeControle(L"BUTTON", nom, BS_OWNERDRAW, 0, polices_.F1.get());
    SetWindowTextW(controle, Large(Texte(Accessibilite::CaptionAvecLettre(nom, Dispose(nom).Texte))).c_str());
    auto bouton = std::make_unique<TSpeedButton>(controle, ChargeGlyph(Application->Instance(), glyph));
    bouton->OnClick = [this, gestionnaire](TSpeedButton* Sender) {
        Application->DelivreGarde([&] {
            (this->*gestionnaire)(Sender);
            return LRESULT{0};
        });
    };
    return bouton;
}

HWND TAccueil::CreeLabel(const char* nom) {
    const HWND label = CreeControle(L"STATIC", nom, SS_LEFT | SS_NOPREFIX, 0, polices_.F2.get());
    // Sized to its text.
    const std::wstring texte = Large(Dispose(nom).Texte);
    HDC dc = GetDC(label);
    const HGDIOBJ ancienne = SelectObject(dc, polices_.F2.get());
    SIZE taille{};
    GetTextExtentPoint32W(dc, texte.c_str(), static_cast<int>(texte.size()), &taille);
    SelectObject(dc, ancienne);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, taille.cx, taille.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return label;
}

void TAccueil::NommeControles() {
    for (const Accessibilite::LettreBouton& lettre : Accessibilite::LettresBoutons)
        NommeControle(GetDlgItem(fenetre_, Identifiant(lettre.Bouton)), Nom(Dispose(lettre.Bouton).Texte),
                      Role::Bouton);
    for (const Accessibilite::Etiquette& etiquette : Accessibilite::Etiquettes)
        NommeControle(GetDlgItem(fenetre_, Identifiant(etiquette.Champ)), Nom(Dispose(etiquette.Label).Texte),
                      Role::Texte);
    // The memo shows what it says: no label names it.
    NommeControle(Memo, L"", Role::Texte);
    NommeControle(Entree->Handle(), Large(ChaineRessource(Msg::NomRapport)), Role::Texte);
}

HWND TAccueil::CreeBarreEtat() {
    const HWND barre = CreeControle(STATUSCLASSNAMEW, "BarreEtat", SBARS_SIZEGRIP, 0, polices_.F3.get());
    int bords[] = {echelle_(PanneauxBarreEtat::LargeurVide), -1};
    SendMessageA(barre, SB_SETPARTS, std::size(bords), reinterpret_cast<LPARAM>(bords));
    SendMessageW(barre, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
    credit_ = Large(PanneauxBarreEtat::TexteCredit);
    SendMessageW(barre, SB_SETTEXTW, 1 | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(credit_.c_str()));
    SendMessageA(barre, WM_SIZE, 0, 0);
    return barre;
}

void TAccueil::CreeInfobulles() {
    infobulles_ = std::make_unique<Infobulles>(fenetre_, Disposition::Hint);
    infobulles_->AjouteZone(Logo->RectangleDessin(), Dispose("Logo").Hint);
    for (const auto& [bouton, nom] :
         {std::pair{BoutonOuvre.get(), "BoutonOuvre"}, std::pair{BoutonTraite.get(), "BoutonTraite"},
          std::pair{BoutonQuite.get(), "BoutonQuite"}})
        infobulles_->AjouteControle(bouton->Handle(), Dispose(nom).Hint);
    const std::pair<HWND, const char*> fenetres[] = {
        {Memo, "Memo"}, {ChampType, "ChampType"}, {ChampNombre, "ChampNombre"}, {Progression->Handle(), "Progression"}};
    for (const auto& [controle, nom] : fenetres) infobulles_->AjouteControle(controle, Dispose(nom).Hint);
    infobulles_->AjouteControleSelonPosition(BarreEtat, Dispose("BarreEtat").Hint,
                                             [this](POINT point) { return InfobulleBarreEtat(point); });
    infobulles_->AjouteControleSelonPosition(Entree->Handle(), Dispose("Entree").Hint,
                                             [this](POINT point) { return InfobulleRapport(point); });
}

std::wstring TAccueil::InfobulleRapport(POINT point) const {
    return Large(Entree->Raisons.Raison(Entree->LigneA(point)));
}

std::wstring TAccueil::InfobulleBarreEtat(POINT point) const {
    RECT panneau{};
    SendMessageA(BarreEtat, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panneau));
    return PtInRect(&panneau, point) ? indice_ : std::wstring();
}

void TAccueil::MontreIndice(const Texte& court, const Texte& complet) {
    indice_ = Large(complet);
    SendMessageW(BarreEtat, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Large(court).c_str()));
}

void TAccueil::BoutonQuiteClick(TSpeedButton*) {
    if (!Application->Occupee()) Application->DemandeFin();
}

void TAccueil::MontreEntree(bool visible) {
    // Hidden, the box does not wrap its lines, so that the lines poured into
    // it are not laid out in its 33 pixels (a box that refuses is only slower
    // to fill); shown, it must wrap them at its width, and it reads from its
    // first line, wherever the filling left its view.
    const bool enveloppe = SendMessageW(Entree->Handle(), EM_SETTARGETDEVICE, 0, visible ? 0 : 1) != 0;
    TRichEdit::Exige(enveloppe || !visible, "EM_SETTARGETDEVICE");
    if (visible) SendMessageA(Entree->Handle(), WM_VSCROLL, SB_TOP, 0);
    ShowWindow(Entree->Handle(), visible ? SW_SHOW : SW_HIDE);
}

void TAccueil::DimensionneEntree(int largeur, int hauteur) {
    SetWindowPos(Entree->Handle(), nullptr, 0, 0, echelle_(largeur), echelle_(hauteur),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAccueil::FixeTexte(HWND champ, const Texte& texte) { SetWindowTextW(champ, Large(texte).c_str()); }

LRESULT CALLBACK TAccueil::ProcedureFenetre(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* accueil = static_cast<TAccueil*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        accueil->fenetre_ = fenetre;
        SetWindowLongPtrW(fenetre, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(accueil));
    }
    auto* accueil = reinterpret_cast<TAccueil*>(GetWindowLongPtrW(fenetre, GWLP_USERDATA));
    if (!accueil) return DefWindowProcW(fenetre, message, w, l);
    return Application->DelivreGarde([&] { return accueil->TraiteMessage(message, w, l); });
}

LRESULT TAccueil::TraiteMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_PAINT: Peint(); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return Colore(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM: Dessine(*reinterpret_cast<const DRAWITEMSTRUCT*>(l)); return TRUE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        AppliqueCouleurs();
        // The common controls read the system's colours again only when told.
        for (const HWND controle : {BarreEtat, Progression->Handle()}) SendMessageW(controle, message, w, l);
        break;
    case WM_SETCURSOR:
        if (Curseur(reinterpret_cast<HWND>(w), LOWORD(static_cast<DWORD>(l)))) return TRUE;
        break;
    case WM_SIZE:
        // The status bar lies along the bottom over the whole width.
        SendMessageA(BarreEtat, WM_SIZE, 0, 0);
        break;
    case WM_NOTIFY:
        if (infobulles_ && infobulles_->Notification(*reinterpret_cast<NMHDR*>(l))) return 0;
        break;
    case WM_DROPFILES:
        if (Application->Trie(GenreEvenement::Depot) == SortEvenement::Traite) Depose(reinterpret_cast<HDROP>(w));
        else DragFinish(reinterpret_cast<HDROP>(w));
        return 0;
    case MessageFichiersDonnes: OuvreFichiersDonnes(std::exchange(donnesAuDemarrage_, {})); return 0;
    case WM_ACTIVATE: Active(LOWORD(w) != WA_INACTIVE); return 0;
    case WM_CLOSE:
        if (Application->Trie(GenreEvenement::Fermeture) == SortEvenement::Traite) Application->DemandeFin();
        return 0;
    case WM_SYSCOMMAND:
        // The task-bar entry is the application window's: minimising the
        // window minimises the application.
        if ((w & 0xFFF0) == SC_MINIMIZE) {
            ShowWindow(Application->FenetreApplication(), SW_MINIMIZE);
            return 0;
        }
        break;
    default: break;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}

void TAccueil::Peint() {
    PAINTSTRUCT peinture;
    HDC dc = BeginPaint(fenetre_, &peinture);
    Logo->Dessine(dc);
    EndPaint(fenetre_, &peinture);
}

void TAccueil::AppliqueCouleurs() {
    couleurs_ = CouleursActuelles();
    fondMemo_.reset(CreateSolidBrush(Gdi(couleurs_.Memo.Fond)));
    fondChamps_.reset(CreateSolidBrush(Gdi(couleurs_.Champs.Fond)));
    const HWND entree = Entree->Handle();
    SendMessageW(entree, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(Gdi(couleurs_.Rapport.Fond)));
    CHARFORMAT2W encre{};
    encre.cbSize = sizeof encre;
    encre.dwMask = CFM_COLOR;
    encre.crTextColor = Gdi(couleurs_.Rapport.Texte);
    SendMessageW(entree, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&encre));
    RedrawWindow(fenetre_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT TAccueil::Colore(HDC dc, HWND controle) {
    if (controle == LabelType || controle == LabelNombre) {
        SetTextColor(dc, Gdi(couleurs_.TexteSurFenetre));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    const bool memo = controle == Memo;
    const Encre& encre = memo ? couleurs_.Memo : couleurs_.Champs;
    SetTextColor(dc, Gdi(encre.Texte));
    SetBkColor(dc, Gdi(encre.Fond));
    return reinterpret_cast<LRESULT>((memo ? fondMemo_ : fondChamps_).get());
}

void TAccueil::Dessine(const DRAWITEMSTRUCT& dessin) {
    if (dessin.hwndItem == BarreEtat) DessineCredit(dessin);
    for (const TSpeedButton* bouton : boutons_)
        if (dessin.hwndItem == bouton->Handle()) bouton->Dessine(dessin, Gdi(couleurs_.TexteSurFenetre));
}

void TAccueil::DessineCredit(const DRAWITEMSTRUCT& dessin) {
    const auto* texte = reinterpret_cast<const wchar_t*>(dessin.itemData);
    RECT place = dessin.rcItem;
    place.left += echelle_(2);
    const HGDIOBJ ancienne = SelectObject(dessin.hDC, polices_.F3.get());
    SetBkMode(dessin.hDC, TRANSPARENT);
    SetTextColor(dessin.hDC, Gdi(couleurs_.TexteSurFenetre));
    DrawTextW(dessin.hDC, texte, -1, &place, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SelectObject(dessin.hDC, ancienne);
}

bool TAccueil::Curseur(HWND, WORD zone) {
    // The frame keeps the cursors that resize the window.
    if (!Application->Occupee() || zone != HTCLIENT) return false;
    SetCursor(LoadCursorA(nullptr, CurseurAttente));
    return true;
}

void TAccueil::Active(bool actif) {
    if (!actif) {
        const HWND focus = GetFocus();
        if (focus && IsChild(fenetre_, focus)) focusSauve_ = focus;
        return;
    }
    // First activation: the first control of the tab order that can take the focus.
    if (focusSauve_ && IsWindow(focusSauve_) && IsWindowVisible(focusSauve_)) SetFocus(focusSauve_);
    else DonneFocusSuivant(false);
}

bool TAccueil::TraiteToucheDialogue(const MSG& message) {
    if (message.hwnd != fenetre_ && !IsChild(fenetre_, message.hwnd)) return false;
    if (message.message == WM_SYSCHAR) return AppuieBouton(message.wParam);
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    DonneFocusSuivant(GetKeyState(VK_SHIFT) < 0);
    return true;
}

bool TAccueil::AppuieBouton(WPARAM caractere) {
    const char* bouton = caractere < 0x80 ? Accessibilite::BoutonDeLaLettre(static_cast<char>(caractere)) : nullptr;
    if (!bouton) return false;
    SendMessageW(GetDlgItem(fenetre_, Identifiant(bouton)), BM_CLICK, 0, 0);
    return true;
}

void TAccueil::DonneFocusSuivant(bool arriere) {
    const auto nombre = static_cast<std::ptrdiff_t>(ordreTabulation_.size());
    const auto actuel = std::find(ordreTabulation_.begin(), ordreTabulation_.end(), GetFocus());
    std::ptrdiff_t rang = actuel == ordreTabulation_.end() ? (arriere ? 0 : -1) : actuel - ordreTabulation_.begin();
    for (std::ptrdiff_t essai = 0; essai < nombre; ++essai) {
        rang = (rang + (arriere ? nombre - 1 : 1)) % nombre;
        const HWND candidat = ordreTabulation_[static_cast<std::size_t>(rang)];
        if (IsWindowVisible(candidat) && IsWindowEnabled(candidat)) {
            SetFocus(candidat);
            return;
        }
    }
}
