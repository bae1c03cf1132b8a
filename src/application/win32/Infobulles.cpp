// The tooltips of the main window.
#include "application/win32/Infobulles.h"

#include "application/ReglesInfobulles.h"
#include "application/win32/TexteLarge.h"

#include <commctrl.h>

Infobulles::Infobulles(HWND fenetre, std::string_view hintFenetre)
    : fenetre_(fenetre),
      bulle_(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, fenetre, nullptr, nullptr, nullptr)),
      hintFenetre_(hintFenetre) {
    SendMessageA(bulle_, TTM_SETDELAYTIME, TTDT_INITIAL, DelaiAvantInfobulle);
    SendMessageA(bulle_, TTM_SETDELAYTIME, TTDT_RESHOW, DelaiEntreInfobulles);
    SendMessageA(bulle_, TTM_SETDELAYTIME, TTDT_AUTOPOP, DureeInfobulle);
    // The window itself, for its parts without a control of their own.
    Ajoute(TTF_IDISHWND, reinterpret_cast<UINT_PTR>(fenetre), {}, hintFenetre_);
}

Infobulles::~Infobulles() {
    for (const auto& [controle, selon] : selonPosition_) RemoveWindowSubclass(controle, SuitSouris, 0);
    DestroyWindow(bulle_);
}

void Infobulles::AjouteControle(HWND controle, const char* hint) {
    Ajoute(TTF_IDISHWND, reinterpret_cast<UINT_PTR>(controle), {}, hint ? hint : hintFenetre_);
}

void Infobulles::AjouteZone(const RECT& zone, const char* hint) {
    Ajoute(0, prochaineZone_++, zone, hint ? hint : hintFenetre_);
}

void Infobulles::Ajoute(UINT drapeaux, UINT_PTR outil, const RECT& zone, std::string_view hint) {
    const std::string_view court = PartieCourte(hint);
    // An empty hint shows no tooltip.
    if (court.empty()) return;
    std::wstring& texte = textes_.emplace_back(Large(Texte(court)));
    TOOLINFOW description{};
    description.cbSize = TTTOOLINFOW_V2_SIZE;
    description.uFlags = drapeaux | TTF_SUBCLASS;
    description.hwnd = fenetre_;
    description.uId = outil;
    description.rect = zone;
    description.lpszText = texte.data();
    SendMessageW(bulle_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&description));
}

void Infobulles::AjouteControleSelonPosition(HWND controle, const char* hint, TexteSelonPosition texte) {
    const std::string_view court = PartieCourte(hint ? hint : hintFenetre_);
    selonPosition_[controle] = {Large(Texte(court)), std::move(texte), {}};
    TOOLINFOW description{};
    description.cbSize = TTTOOLINFOW_V2_SIZE;
    description.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    description.hwnd = fenetre_;
    description.uId = reinterpret_cast<UINT_PTR>(controle);
    description.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(bulle_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&description));
    // Installed after the tooltip's own, so it sees each move first.
    SetWindowSubclass(controle, SuitSouris, 0, reinterpret_cast<DWORD_PTR>(this));
}

std::wstring Infobulles::TexteA(HWND controle, POINT point) {
    SelonPosition& selon = selonPosition_.at(controle);
    std::wstring texte = selon.Texte(point);
    return texte.empty() ? selon.Hint : texte;
}

bool Infobulles::Notification(NMHDR& entete) {
    if (entete.hwndFrom != bulle_) return false;
    const auto controle = reinterpret_cast<HWND>(entete.idFrom);
    const auto selon = selonPosition_.find(controle);
    if (selon == selonPosition_.end()) {
        // Any other tooltip hides after the usual time.
        if (entete.code == TTN_SHOW) SendMessageA(bulle_, TTM_SETDELAYTIME, TTDT_AUTOPOP, DureeInfobulle);
        return false;
    }
    if (entete.code != TTN_GETDISPINFOW) return false;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(controle, &point);
    texteDonne_ = TexteA(controle, point);
    const bool aLire = texteDonne_ != selon->second.Hint;
    SendMessageA(bulle_, TTM_SETDELAYTIME, TTDT_AUTOPOP, aLire ? DureeInfobulleALire : DureeInfobulle);
    reinterpret_cast<NMTTDISPINFOW&>(entete).lpszText = texteDonne_.data();
    return true;
}

LRESULT CALLBACK Infobulles::SuitSouris(HWND controle, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR donnees) {
    if (message == WM_MOUSEMOVE) {
        const POINT point{static_cast<short>(LOWORD(static_cast<DWORD>(l))),
                          static_cast<short>(HIWORD(static_cast<DWORD>(l)))};
        reinterpret_cast<Infobulles*>(donnees)->SourisDeplacee(controle, point);
    }
    return DefSubclassProc(controle, message, w, l);
}

void Infobulles::SourisDeplacee(HWND controle, POINT point) {
    SelonPosition& selon = selonPosition_.at(controle);
    std::wstring texte = TexteA(controle, point);
    if (texte == selon.Dernier) return;
    selon.Dernier = std::move(texte);
    if (IsWindowVisible(bulle_)) {
        // Asks for the text again and shows it at once.
        SendMessageW(bulle_, TTM_UPDATE, 0, 0);
        return;
    }
    // As if the pointer had left the control: coming back, the tooltip shows
    // after its delay, even after it hid by itself over the previous place.
    MSG ailleurs{nullptr, WM_MOUSEMOVE, 0, 0, 0, {}};
    SendMessageW(bulle_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&ailleurs));
}
