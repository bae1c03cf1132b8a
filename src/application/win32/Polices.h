// The fonts of the main window at the screen's scale.
#pragma once

#include "application/PolicesDisposition.h"
#include "application/win32/Echelle.h"
#include "application/win32/ObjetGdi.h"

#include <windows.h>

// The fonts of application/PolicesDisposition.h.
struct PolicesAccueil {
    ObjetGdi<HFONT> Fenetre;
    ObjetGdi<HFONT> F1;
    ObjetGdi<HFONT> F2;
    ObjetGdi<HFONT> F3;
    ObjetGdi<HFONT> F4;
};

PolicesAccueil CreePolices(const Echelle& echelle);

// The text height of the window's font at a pixel height, as the screen
// draws it: what the scaling of the layout measures.
int HauteurTextePoliceFenetre(int hauteurPolice);
