// The placement rule of pictures in an image control.
#include "application/PlacementImage.h"

namespace {

// The picture scaled to the box, keeping its proportions (w and h above 0).
RectanglePlace Proportionne(int w, int h, int cw, int ch) {
    const double r = static_cast<double>(w) / h;
    if (w > h) {
        const int hauteur = static_cast<int>(cw / r);
        if (hauteur > ch) return {0, 0, static_cast<int>(ch * r), ch};
        return {0, 0, cw, hauteur};
    }
    const int largeur = static_cast<int>(ch * r);
    if (largeur > cw) return {0, 0, cw, static_cast<int>(cw / r)};
    return {0, 0, largeur, ch};
}

}  // namespace

RectanglePlace PlaceImage(int w, int h, int cw, int ch, ReglagesPlacement reglages) {
    RectanglePlace place{0, 0, w, h};
    if (reglages.Stretch || (reglages.Proportional && (w > cw || h > ch))) {
        place = reglages.Proportional && w > 0 && h > 0 ? Proportionne(w, h, cw, ch) : RectanglePlace{0, 0, cw, ch};
    }
    if (reglages.Center) {
        place.Gauche = (cw - place.Largeur) / 2;
        place.Haut = (ch - place.Hauteur) / 2;
    }
    return place;
}
