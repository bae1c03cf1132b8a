// The fonts of the main window at the screen's scale: the window's font
// ("MS Sans Serif", 11 pixels) and the layout's F1 to F4, and the colours
// that go with them.
#pragma once

#include "application/win32/Echelle.h"
#include "application/win32/ObjetGdi.h"

#include <windows.h>

inline constexpr COLORREF clTeal = RGB(0, 128, 128);
inline constexpr COLORREF clCream = RGB(255, 251, 240);

struct PolicesAccueil {
    ObjetGdi<HFONT> Fenetre;
    ObjetGdi<HFONT> F1;  // "Comic Sans MS", 13 pixels
    ObjetGdi<HFONT> F2;  // "Comic Sans MS", 13 pixels, bold
    ObjetGdi<HFONT> F3;  // "Comic Sans MS", 11 pixels
    ObjetGdi<HFONT> F4;  // "Arial", variable pitch, 11 pixels
};

PolicesAccueil CreePolices(const Echelle& echelle);

// The text height of the window's font at a pixel height, as the screen
// draws it: what the scaling of the layout measures.
int HauteurTextePoliceFenetre(int hauteurPolice);
