// The scaling of the layout for screens other than 96 dots per inch: the
// window's font height is first scaled by the screen's dots per inch over
// 96, then every position, size and font of the layout by the ratio of that
// font's measured text height to the layout's 13.
#pragma once

#include "application/PolicesDisposition.h"

#include <functional>

struct Echelle {
    // Height in pixels of the window's font on this screen.
    int HauteurPoliceFenetre = PolicesDisposition::Fenetre.Hauteur;
    // The text height measured with that font; 13 as laid out.
    int HauteurTexte = 13;

    // A position, size or font height of the layout on this screen, rounded.
    int operator()(int valeur) const;
};

// The scaling for a screen of that many dots per inch; mesureTexte gives the
// text height of the window's font at a pixel height. At 96 dpi nothing is
// measured and nothing changes.
Echelle EchellePour(int pointsParPouce, const std::function<int(int hauteurPolice)>& mesureTexte);
