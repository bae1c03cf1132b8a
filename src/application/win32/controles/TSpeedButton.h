// TSpeedButton: a raised button drawn on its window's own surface, below
// the windowed controls; it never takes the keyboard focus. Its 32 by 32
// glyph lies left of its caption, the two centred together with 4 pixels
// between them; the glyph's pixels of the colour of its bottom-left pixel
// are drawn transparent.
//
// The window hands it the mouse: a press on the button captures the mouse,
// the button is drawn pressed while the pointer stays on it, and releasing
// the mouse on it runs OnClick. A cancel-mode request (a failure shown while
// the button is held) releases it.
#pragma once

#include "application/win32/ObjetGdi.h"

#include <windows.h>

#include <functional>
#include <string>

class TSpeedButton {
public:
    TSpeedButton(HWND fenetre, RECT place, std::wstring caption, HBITMAP glyph, HFONT police);

    std::function<void(TSpeedButton* Sender)> OnClick;

    const RECT& Place() const { return place_; }
    void Dessine(HDC dc) const;

    // The mouse messages of the window; true when the button took them.
    bool SourisEnfoncee(POINT point);
    bool SourisDeplacee(POINT point);
    bool SourisRelachee(POINT point);
    // The capture was lost or cancelled: the button is up again.
    void Relache();

private:
    bool Enfonce() const { return tenu_ && dedans_; }
    void Invalide() const;

    HWND fenetre_;
    RECT place_;
    std::wstring caption_;
    ObjetGdi<HBITMAP> glyph_;
    HFONT police_;
    bool tenu_ = false;
    bool dedans_ = false;
};
