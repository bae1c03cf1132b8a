// The progress bar over the platform's control.
#include "application/win32/controles/TProgressBar.h"

#include <commctrl.h>

namespace {

constexpr WPARAM PasProgression = 1;

int LargeurClient(HWND controle) {
    RECT zone{};
    GetClientRect(controle, &zone);
    return zone.right;
}

}  // namespace

TProgressBar::TProgressBar(HWND controle) : controle_(controle), largeur_(LargeurClient(controle)) {
    SendMessageA(controle_, PBM_SETSTEP, PasProgression, 0);
}

void TProgressBar::MontreControle(bool visible) { ShowWindow(controle_, visible ? SW_SHOW : SW_HIDE); }

void TProgressBar::AfficheValeurs() {
    SendMessageA(controle_, PBM_SETRANGE32, static_cast<WPARAM>(Min), static_cast<LPARAM>(Max()));
    SendMessageA(controle_, PBM_SETPOS, static_cast<WPARAM>(Position()), 0);
}

void TProgressBar::Redessine() {
    RedrawWindow(controle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
