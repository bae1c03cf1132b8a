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

Infobulles::~Infobulles() { DestroyWindow(bulle_); }

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
