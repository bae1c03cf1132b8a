// The modal wait of message boxes and of the open dialog.
#include "application/win32/AttenteModale.h"

namespace {

// Moves a window, without resizing, redrawing, activating it or changing
// its stacking order, so that its top left corner lies at the rectangle's
// centre.
void PlaceAuCentre(HWND fenetre, const RECT& rectangle) {
    SetWindowPos(fenetre, nullptr, rectangle.left + (rectangle.right - rectangle.left) / 2,
                 rectangle.top + (rectangle.bottom - rectangle.top) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOZORDER);
}

BOOL CALLBACK DesactiveSiActive(HWND fenetre, LPARAM liste) {
    if (IsWindowVisible(fenetre) && IsWindowEnabled(fenetre)) {
        reinterpret_cast<std::vector<HWND>*>(liste)->push_back(fenetre);
        EnableWindow(fenetre, FALSE);
    }
    return TRUE;
}

}  // namespace

AttenteModale::AttenteModale(HWND fenetreApplication, bool surMoniteurActif)
    : application_(fenetreApplication), actif_(GetActiveWindow()), focus_(GetFocus()) {
    if (surMoniteurActif) PlaceSurMoniteurActif();
    DesactiveFenetres();
}

AttenteModale::~AttenteModale() {
    if (rectangleNote_) PlaceAuCentre(application_, *rectangleNote_);
    for (HWND fenetre : desactivees_)
        if (IsWindow(fenetre)) EnableWindow(fenetre, TRUE);
    if (actif_ && IsWindow(actif_)) SetActiveWindow(actif_);
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
}

void AttenteModale::PlaceSurMoniteurActif() {
    const HMONITOR moniteur = MonitorFromWindow(actif_, MONITOR_DEFAULTTONEAREST);
    if (moniteur == MonitorFromWindow(application_, MONITOR_DEFAULTTONEAREST)) return;
    MONITORINFO informations{};
    informations.cbSize = sizeof informations;
    RECT note{};
    if (!GetMonitorInfoA(moniteur, &informations) || !GetWindowRect(application_, &note)) return;
    rectangleNote_ = note;
    PlaceAuCentre(application_, informations.rcMonitor);
}

void AttenteModale::DesactiveFenetres() {
    EnumThreadWindows(GetCurrentThreadId(), DesactiveSiActive, reinterpret_cast<LPARAM>(&desactivees_));
}
