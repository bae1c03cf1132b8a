// TImage: a picture drawn on its window's own surface inside its box, by the
// placement rule of application/PlacementImage.h; the rest of the box shows
// the window's background.
#pragma once

#include "application/PlacementImage.h"
#include "application/win32/ObjetGdi.h"

#include <windows.h>

class TImage {
public:
    TImage(RECT boite, HBITMAP image, ReglagesPlacement reglages);

    // Where the picture is drawn, in the window's coordinates.
    RECT RectangleDessin() const;
    void Dessine(HDC dc) const;

private:
    RECT boite_;
    ObjetGdi<HBITMAP> image_;
    SIZE taille_{};
    ReglagesPlacement reglages_;
};
