// The application object: title, application window, event loop, message
// boxes, the request to end, failure display and the reload of the regional
// date settings.
#include "application/win32/Application.h"

#include "application/win32/AttenteModale.h"
#include "application/win32/Ressources.h"
#include "application/win32/TexteLarge.h"
#include "application/win32/TitreProgramme.h"
#include "commun/DrapeauxBoite.h"

#include <shellapi.h>

TApplication* Application = nullptr;

namespace {

const wchar_t* const ClasseApplication = L"TApplication";
// The request to end, as it waits in the queue.
constexpr UINT MessageFin = WM_APP + 1;
// The application window was activated: the main window takes over.
constexpr UINT MessageEntree = WM_APP + 2;
// A change of settings kept while the tool worked.
constexpr UINT MessageReglages = WM_APP + 3;
// The title is read back in at most 255 characters.
constexpr int TailleTitre = 256;

HICON ChargeIcone(HINSTANCE instance, int cote) {
    return static_cast<HICON>(LoadImageA(instance, Ressources::Icone, IMAGE_ICON, cote, cote, 0));
}

bool EntreDans(WPARAM valeur, UINT premier, UINT dernier) { return valeur >= premier && valeur <= dernier; }

// A mouse button on the caption or the borders moves or resizes the window.
bool SurLeCadre(WPARAM zone) {
    return zone == HTCAPTION || zone == HTGROWBOX || EntreDans(zone, HTLEFT, HTBOTTOMRIGHT);
}

GenreEvenement Genre(const MSG& message) {
    const UINT m = message.message;
    if (m == WM_PAINT) return GenreEvenement::Peinture;
    if (m == WM_NCLBUTTONDOWN && SurLeCadre(message.wParam)) return GenreEvenement::Cadre;
    const WPARAM commande = message.wParam & 0xFFF0;
    if (m == WM_SYSCOMMAND && (commande == SC_MOVE || commande == SC_SIZE)) return GenreEvenement::Cadre;
    if (m == WM_CLOSE || (m == WM_SYSCOMMAND && commande == SC_CLOSE)) return GenreEvenement::Fermeture;
    if (m == WM_DROPFILES) return GenreEvenement::Depot;
    if (EntreDans(m, WM_KEYFIRST, WM_KEYLAST) || EntreDans(m, WM_IME_STARTCOMPOSITION, WM_IME_KEYLAST) ||
        EntreDans(m, WM_IME_SETCONTEXT, WM_IME_KEYUP))
        return GenreEvenement::Clavier;
    if (EntreDans(m, WM_MOUSEFIRST, WM_MOUSELAST) || EntreDans(m, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK) ||
        EntreDans(m, WM_NCMOUSEHOVER, WM_MOUSELEAVE) || m == WM_INPUT || m == WM_SYSCOMMAND)
        return GenreEvenement::Souris;
    return GenreEvenement::Interne;
}

const char* const CurseurFleche = MAKEINTRESOURCEA(32512);  // IDC_ARROW

}  // namespace

TApplication::TApplication(HINSTANCE instance)
    : instance_(instance),
      icone_(ChargeIcone(instance, GetSystemMetrics(SM_CXICON))),
      petiteIcone_(ChargeIcone(instance, GetSystemMetrics(SM_CXSMICON))),
      messageBarreDesTaches_(RegisterWindowMessageA("TaskbarCreated")) {
    Application = this;
    CreeFenetreApplication();
}

TApplication::~TApplication() {
    if (fenetre_) DestroyWindow(fenetre_);
    DestroyIcon(icone_);
    DestroyIcon(petiteIcone_);
    if (Application == this) Application = nullptr;
}

void TApplication::CreeFenetreApplication() {
    WNDCLASSW classe{};
    classe.lpfnWndProc = ProcedureFenetre;
    classe.hInstance = instance_;
    classe.hIcon = icone_;
    classe.hCursor = LoadCursorA(nullptr, CurseurFleche);
    classe.lpszClassName = ClasseApplication;
    RegisterClassW(&classe);
    // No size, at the centre of the screen, the title as its text: a Unicode
    // window, so that a title outside the system's code page keeps its letters.
    const std::wstring titre = TitreProgramme();
    fenetre_ = CreateWindowExW(0, ClasseApplication, titre.c_str(),
                               WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                               GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                               nullptr, instance_, nullptr);
    SendMessageA(fenetre_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icone_));
    SendMessageA(fenetre_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(petiteIcone_));
    const HMENU menu = GetSystemMenu(fenetre_, FALSE);
    for (const int commande : {SC_MAXIMIZE, SC_SIZE, SC_MOVE})
        DeleteMenu(menu, static_cast<UINT>(commande), MF_BYCOMMAND);
}

std::wstring TApplication::TitreApplication() const {
    wchar_t titre[TailleTitre] = {};
    GetWindowTextW(fenetre_, titre, TailleTitre);
    return titre;
}

void TApplication::FixeFenetrePrincipale(FenetreOutil& fenetre) {
    if (!principale_) principale_ = &fenetre;
}

int TApplication::BoucleEvenements(int etatDemarrage) {
    MontreFenetrePrincipale(etatDemarrage);
    while (!quitte_) {
        try {
            Tour();
        } catch (...) {
            GereEchec(std::current_exception());
        }
    }
    return 0;
}

void TApplication::MontreFenetrePrincipale(int etatDemarrage) {
    if (!principale_) return;
    const HWND principale = principale_->Handle();
    ShowWindow(principale, SW_SHOW);
    // The task-bar entry, still without size.
    ShowWindow(fenetre_, SW_SHOWNOACTIVATE);
    if (etatDemarrage == SW_SHOWMAXIMIZED) ShowWindow(principale, SW_MAXIMIZE);
    if (etatDemarrage == SW_SHOWMINNOACTIVE) ShowWindow(fenetre_, SW_MINIMIZE);
}

void TApplication::Tour() {
    if (finEnAttente_) {
        quitte_ = true;
        return;
    }
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // The idle step: the tooltips follow the pointer by themselves; wait
        // for the next event.
        WaitMessage();
        return;
    }
    if (EstDemandeFin(message)) {
        quitte_ = true;
        return;
    }
    if (principale_ && principale_->TraiteToucheDialogue(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool TApplication::EstDemandeFin(const MSG& message) const {
    return message.message == WM_QUIT || (message.hwnd == fenetre_ && message.message == MessageFin);
}

int TApplication::AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) {
    return AfficheBoite(Large(texte), Large(titre), drapeaux);
}

int TApplication::AfficheBoite(const std::wstring& texte, const std::wstring& titre, std::uint32_t drapeaux) {
    // The tool reads left to right: MB_RTLREADING is never added.
    const AttenteModale attente(fenetre_, true);
    return MessageBoxW(fenetre_, texte.c_str(), titre.c_str(), drapeaux);
}

void TApplication::DemandeFin() { PostMessageA(fenetre_, MessageFin, 0, 0); }

void TApplication::MontreAttente(bool) noexcept {
    // The window under the pointer chooses its cursor again, the wait cursor
    // over the main window while the tool works.
    POINT pointeur{};
    GetCursorPos(&pointeur);
    const HWND sous = WindowFromPoint(pointeur);
    if (!principale_ || !sous || (sous != principale_->Handle() && !IsChild(principale_->Handle(), sous))) return;
    const auto zone = static_cast<WORD>(
        SendMessageW(sous, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(pointeur.x), static_cast<WORD>(pointeur.y))));
    SendMessageW(sous, WM_SETCURSOR, reinterpret_cast<WPARAM>(sous), MAKELPARAM(zone, WM_MOUSEMOVE));
}

void TApplication::PrendEvenementsEnAttente() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            finEnAttente_ = true;
            continue;
        }
        const SortEvenement sort = Trie(Genre(message));
        if (sort == SortEvenement::Traite) DispatchMessageW(&message);
        // A drop thrown away is released.
        else if (message.message == WM_DROPFILES) DragFinish(reinterpret_cast<HDROP>(message.wParam));
    }
}

void TApplication::RappelleReglages() noexcept { PostMessageW(fenetre_, MessageReglages, 0, 0); }

void TApplication::RelacheSouris() noexcept {
    if (const HWND tenant = GetCapture()) SendMessageA(tenant, WM_CANCELMODE, 0, 0);
}

void TApplication::MontreBoiteErreur(const std::string& texteUtf8) {
    AfficheBoite(LargeDepuisUtf8(texteUtf8), TitreApplication(), Boite::IconeStop);
}

void TApplication::SignaleSansBoite(std::string_view texteUtf8) noexcept {
    try {
        OutputDebugStringW((L"Controle : " + LargeDepuisUtf8(texteUtf8) + L"\n").c_str());
    } catch (...) {
        OutputDebugStringA("Controle : une erreur n'a pas pu être affichée\n");
    }
}

LRESULT TApplication::DelivreGarde(const std::function<LRESULT()>& traitement, LRESULT siEchec) noexcept {
    try {
        return traitement();
    } catch (...) {
        GereEchec(std::current_exception());
        return siEchec;
    }
}

LRESULT CALLBACK TApplication::ProcedureFenetre(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
    if (!Application || Application->fenetre_ != fenetre) return DefWindowProcW(fenetre, message, w, l);
    return Application->DelivreGarde([&] { return Application->TraiteMessage(message, w, l); });
}

LRESULT TApplication::TraiteMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_SETTINGCHANGE || message == messageBarreDesTaches_ || message == MessageReglages)
        ReglagesAnnonces();
    switch (message) {
    case MessageFin:
        // Delivered by a modal loop inside a handler: kept for the main loop.
        finEnAttente_ = true;
        return 0;
    case MessageReglages: return 0;
    case WM_CLOSE:
        if (Trie(GenreEvenement::Fermeture) == SortEvenement::Traite) DemandeFin();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE) PostMessageA(fenetre_, MessageEntree, 0, 0);
        break;
    case MessageEntree:
        if (principale_ && GetActiveWindow() == fenetre_ && !IsIconic(fenetre_) &&
            IsWindowEnabled(principale_->Handle()))
            SetActiveWindow(principale_->Handle());
        return 0;
    default: break;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}
