// The fonts of the main window.
#include "application/win32/Polices.h"

namespace {

// A font of the layout: its height in pixels is the height of its characters.
ObjetGdi<HFONT> Police(const char* face, int hauteur, int graisse = FW_NORMAL, BYTE pas = DEFAULT_PITCH) {
    return ObjetGdi<HFONT>(CreateFontA(-hauteur, 0, 0, 0, graisse, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pas, face));
}

ObjetGdi<HFONT> PoliceFenetre(int hauteur) { return Police("MS Sans Serif", hauteur); }

}  // namespace

PolicesAccueil CreePolices(const Echelle& echelle) {
    return {PoliceFenetre(echelle.HauteurPoliceFenetre), Police("Comic Sans MS", echelle(13)),
            Police("Comic Sans MS", echelle(13), FW_BOLD), Police("Comic Sans MS", echelle(11)),
            Police("Arial", echelle(11), FW_NORMAL, VARIABLE_PITCH)};
}

int HauteurTextePoliceFenetre(int hauteurPolice) {
    const ObjetGdi<HFONT> police = PoliceFenetre(hauteurPolice);
    HDC ecran = GetDC(nullptr);
    const HGDIOBJ ancienne = SelectObject(ecran, police.get());
    TEXTMETRICA mesures{};
    GetTextMetricsA(ecran, &mesures);
    SelectObject(ecran, ancienne);
    ReleaseDC(nullptr, ecran);
    return static_cast<int>(mesures.tmHeight);
}
