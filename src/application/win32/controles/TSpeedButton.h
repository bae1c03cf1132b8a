// TSpeedButton: a raised button, a child control of the window (an
// owner-drawn push button, so that screen readers see a button where it
// lies) that never takes the keyboard focus, even when clicked, and is not
// in the tab order. Its 32 by 32 glyph lies left of its caption, the two
// centred together with 4 pixels between them; the glyph's pixels of the
// colour of its bottom-left pixel are drawn transparent. The caption's
// letter after "&" is underlined as Windows shows mnemonics (while the
// keyboard cues are shown).
//
// The button takes the mouse itself: a press captures the mouse, the button
// is drawn pressed while the pointer stays on it, and releasing the mouse on
// it runs OnClick, as a BM_CLICK does (what Alt and its letter and a screen
// reader's action send). A cancel-mode request (a failure shown while the
// button is held) or a lost capture releases it.
#pragma once

#include "application/win32/ObjetGdi.h"

#include <windows.h>

#include <functional>

class TSpeedButton {
public:
    // The control made by the window, its caption as its text.
    TSpeedButton(HWND controle, HBITMAP glyph);
    ~TSpeedButton();
    TSpeedButton(const TSpeedButton&) = delete;
    TSpeedButton& operator=(const TSpeedButton&) = delete;

    std::function<void(TSpeedButton* Sender)> OnClick;

    HWND Handle() const { return controle_; }
    // The window's WM_DRAWITEM for the button, the caption in that colour.
    void Dessine(const DRAWITEMSTRUCT& dessin, COLORREF texte) const;

private:
    static LRESULT CALLBACK Procedure(HWND controle, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR donnees);
    // True when the button took the message.
    bool Souris(UINT message, POINT point);
    void Relache();
    void Clique();
    bool Enfonce() const { return tenu_ && dedans_; }

    HWND controle_;
    ObjetGdi<HBITMAP> glyph_;
    bool tenu_ = false;
    bool dedans_ = false;
};
