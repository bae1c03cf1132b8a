// What a screen reader is told of a control: the system's own accessible
// object for it (its place, states, value and actions), under the name and
// the role the tool gives it, whatever the system would guess. Windows names
// an edit after the label created just before it and may name a box after
// its contents; Wine sees an owner-drawn button as a plain client area. The
// control answers the system's request for its object (WM_GETOBJECT) itself.
#pragma once

#include <windows.h>

#include <string>

// Role numbers of Microsoft Active Accessibility.
namespace Role {
inline constexpr long Bouton = 0x2B;  // ROLE_SYSTEM_PUSHBUTTON
inline constexpr long Texte = 0x2A;   // ROLE_SYSTEM_TEXT
}  // namespace Role

// From now on the control is read under that name (empty: no name) and role.
void NommeControle(HWND controle, std::wstring nom, long role);
