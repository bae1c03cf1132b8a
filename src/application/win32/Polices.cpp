// The fonts of the main window.
#include "application/win32/Polices.h"

namespace {

// A font of the layout at a height in pixels, the height of its characters.
ObjetGdi<HFONT> Police(const PoliceDisposition& disposition, int hauteur) {
    return ObjetGdi<HFONT>(CreateFontA(-hauteur, 0, 0, 0, disposition.Gras ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       disposition.PasVariable ? VARIABLE_PITCH : DEFAULT_PITCH, disposition.Face));
}

ObjetGdi<HFONT> PoliceFenetre(int hauteur) { return Police(PolicesDisposition::Fenetre, hauteur); }

ObjetGdi<HFONT> PoliceALEchelle(const PoliceDisposition& disposition, const Echelle& echelle) {
    return Police(disposition, echelle(disposition.Hauteur));
}

}  // namespace

PolicesAccueil CreePolices(const Echelle& echelle) {
    using namespace PolicesDisposition;
    return {PoliceFenetre(echelle.HauteurPoliceFenetre), PoliceALEchelle(F1, echelle), PoliceALEchelle(F2, echelle),
            PoliceALEchelle(F3, echelle), PoliceALEchelle(F4, echelle)};
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
