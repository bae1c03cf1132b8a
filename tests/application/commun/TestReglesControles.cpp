// Rules of the controls that both windows share: where a picture is drawn
// inside an image control, and the short part of a hint that a tooltip shows.
#include "application/PlacementImage.h"
#include "application/ReglesInfobulles.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaceImage, LeLogoEtLesAutresImagesSelonStretchProportionalEtCenter) {
    const struct {
        const char* Nom;
        int W, H, Cw, Ch;
        bool Stretch, Center;
        RectanglePlace Place;
    } cas[] = {
        {"the logo", 777, 776, 149, 157, false, false, {0, 0, 149, 148}},
        {"tall picture", 100, 400, 149, 157, false, false, {0, 0, 39, 157}},
        {"wide, too high after", 300, 200, 150, 50, false, false, {0, 0, 75, 50}},
        {"smaller: own size", 20, 10, 149, 157, false, false, {0, 0, 20, 10}},
        {"smaller, stretched", 20, 10, 149, 157, true, false, {0, 0, 149, 74}},
        {"centred", 777, 776, 149, 157, false, true, {0, 4, 149, 148}},
        {"empty picture stretched", 0, 0, 10, 10, true, false, {0, 0, 10, 10}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(PlaceImage(c.W, c.H, c.Cw, c.Ch, {.Stretch = c.Stretch, .Proportional = true, .Center = c.Center}),
                  c.Place)
            << c.Nom;
}

TEST(PartieCourte, LeTexteAvantLePremierTraitVertical) {
    static_assert(PartieCourte("court|long|plus") == "court");
    static_assert(PartieCourte("seul") == "seul");
    static_assert(PartieCourte("|long").empty());
    static_assert(PartieCourte("").empty());
}

}  // namespace
