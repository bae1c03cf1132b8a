// Where a picture of w by h pixels is drawn inside a box of cw by ch pixels,
// with the Stretch, Proportional and Center settings of an image control.
#pragma once

struct RectanglePlace {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
    bool operator==(const RectanglePlace&) const = default;
};

struct ReglagesPlacement {
    bool Stretch = false;
    bool Proportional = false;
    bool Center = false;
};

RectanglePlace PlaceImage(int w, int h, int cw, int ch, ReglagesPlacement reglages);
