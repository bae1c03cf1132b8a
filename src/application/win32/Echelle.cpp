// The scaling rule of the layout.
#include "application/win32/Echelle.h"

#include <windows.h>

namespace {
constexpr int PointsParPouceDisposition = 96;
constexpr int HauteurTexteDisposition = 13;
}  // namespace

int Echelle::operator()(int valeur) const { return MulDiv(valeur, HauteurTexte, HauteurTexteDisposition); }

Echelle EchellePour(int pointsParPouce, const std::function<int(int hauteurPolice)>& mesureTexte) {
    if (pointsParPouce == PointsParPouceDisposition) return {};
    const int hauteur = MulDiv(PolicesDisposition::Fenetre.Hauteur, pointsParPouce, PointsParPouceDisposition);
    return {hauteur, mesureTexte(hauteur)};
}
