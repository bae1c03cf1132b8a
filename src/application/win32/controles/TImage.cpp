// The picture control.
#include "application/win32/controles/TImage.h"

TImage::TImage(RECT boite, HBITMAP image, ReglagesPlacement reglages)
    : boite_(boite), image_(image), reglages_(reglages) {
    BITMAP description{};
    if (image_ && GetObjectA(image_.get(), sizeof description, &description))
        taille_ = {description.bmWidth, description.bmHeight};
}

RECT TImage::RectangleDessin() const {
    const RectanglePlace place = PlaceImage(static_cast<int>(taille_.cx), static_cast<int>(taille_.cy),
                                            boite_.right - boite_.left, boite_.bottom - boite_.top, reglages_);
    const int gauche = boite_.left + place.Gauche;
    const int haut = boite_.top + place.Haut;
    return {gauche, haut, gauche + place.Largeur, haut + place.Hauteur};
}

void TImage::Dessine(HDC dc) const {
    if (!image_) return;
    const RECT dessin = RectangleDessin();
    HDC memoire = CreateCompatibleDC(dc);
    const HGDIOBJ ancienne = SelectObject(memoire, image_.get());
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, dessin.left, dessin.top, dessin.right - dessin.left, dessin.bottom - dessin.top, memoire, 0, 0,
               static_cast<int>(taille_.cx), static_cast<int>(taille_.cy), SRCCOPY);
    SelectObject(memoire, ancienne);
    DeleteDC(memoire);
}
