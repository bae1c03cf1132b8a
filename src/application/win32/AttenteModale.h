// A modal wait of the tool (a message box, the open dialog), from its start
// to its end: before it, the window that is active and the control that has
// the keyboard focus are noted and every visible and enabled top-level
// window of the tool's thread is disabled, so that the user can only answer
// it; after it, whatever happened, those windows that still exist are
// enabled again, the noted window is activated again and the focus put back.
//
// For a message box the application window, which owns it, is first moved
// to the centre of the monitor of the active window when it lies on another
// one, so that the box comes up where the user works, and moved back after.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

class AttenteModale {
public:
    AttenteModale(HWND fenetreApplication, bool surMoniteurActif);
    ~AttenteModale();
    AttenteModale(const AttenteModale&) = delete;
    AttenteModale& operator=(const AttenteModale&) = delete;

private:
    void PlaceSurMoniteurActif();
    void DesactiveFenetres();

    HWND application_;
    HWND actif_;
    // The tool's own record of the focus: taken before the windows are
    // disabled, since disabling a window takes the focus away from it.
    HWND focus_;
    std::optional<RECT> rectangleNote_;
    std::vector<HWND> desactivees_;
};
