// Where a picture of w by h pixels is drawn inside a box of cw by ch pixels,
// with the Stretch, Proportional and Center settings of an image control.
#pragma once

struct RectanglePlace {
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
    bool operator==(const RectanglePlace&) const = default;
};

struct ReglagesPlacement {
    bool stretch = false;
    bool proportional = false;
    bool center = false;
};

RectanglePlace PlaceImage(int w, int h, int cw, int ch, ReglagesPlacement reglages);
