// The progress bar's rules that both windows share, over a bar of the
// test's own 271 pixels long that counts what its control is asked: the
// bounds and the failure below the minimum, the positions kept before the
// bar is first shown and held within the range after, the band's length,
// and the control told and redrawn only when that length changes.
#include "application/BarreProgression.h"
#include "commun/Exceptions.h"

#include <gtest/gtest.h>

namespace {

class BarreSimulee : public BarreProgression {
public:
    int valeursAffichees = 0;
    int dessins = 0;
    bool montree = false;

private:
    int Largeur() const override { return 271; }
    void MontreControle(bool visible) override { montree = visible; }
    void AfficheValeurs() override { ++valeursAffichees; }
    void Redessine() override { ++dessins; }
};

TEST(BarreProgression, UnMaximumSousLeMinimumEchoueSansRienChanger) {
    BarreSimulee barre;
    EXPECT_EQ(barre.Max(), 100);
    EXPECT_EQ(barre.Position(), 1);
    try {
        barre.FixeMax(0);
        ADD_FAILURE() << "un maximum sous le minimum est accepté";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message().Octets(), "Propri\xe9t\xe9 TProgressBar hors limites");
    }
    EXPECT_EQ(barre.Max(), 100);
    barre.FixeMax(1);  // one act: Max equals Min, nothing filled
    barre.Montre(true);
    EXPECT_EQ(barre.Max(), 1);
    EXPECT_EQ(barre.LongueurRemplie(), 0);
}

TEST(BarreProgression, UnePositionGardeeTelleAvantLAffichageEstTenueDansLesBornesEnsuite) {
    const struct {
        std::int32_t Max;
        std::int32_t Position;
        std::int32_t Gardee;  // once shown
        int Longueur;
    } cas[] = {
        {100, 0, 1, 0},        {100, 1, 1, 0},       {100, 51, 51, 50 * 271 / 99},       {100, 100, 100, 271},
        {100, 1000, 100, 271}, {300, 500, 300, 271}, {1'000'000, 500'001, 500'001, 135},
    };
    for (const auto& c : cas) {
        BarreSimulee avant;
        avant.FixeMax(c.Max);
        avant.FixePosition(c.Position);
        EXPECT_EQ(avant.Position(), c.Position);
        avant.Montre(true);
        EXPECT_EQ(avant.Position(), c.Gardee) << c.Position;
        EXPECT_EQ(avant.LongueurRemplie(), c.Longueur) << c.Position;

        BarreSimulee apres;
        apres.Montre(true);
        apres.FixeMax(c.Max);
        apres.FixePosition(c.Position);
        EXPECT_EQ(apres.Position(), c.Gardee) << c.Position;
    }
}

TEST(BarreProgression, UnMaximumAbaisseRameneLaPosition) {
    BarreSimulee barre;
    barre.Montre(true);
    barre.FixePosition(50);
    barre.FixeMax(25);
    EXPECT_EQ(barre.Position(), 25);
    EXPECT_EQ(barre.LongueurRemplie(), 271);
}

// A check of 100 000 lines moves the bar on every line: its control is told
// and redrawn only when the band gains a pixel, and never while hidden.
TEST(BarreProgression, LeControleNApprendEtNeRedessineQueLesChangementsDeLaBande) {
    BarreSimulee barre;
    barre.FixeMax(100'000);
    EXPECT_EQ(barre.valeursAffichees, 0);
    barre.Montre(true);
    EXPECT_TRUE(barre.montree);
    EXPECT_EQ(barre.valeursAffichees, 1);
    for (std::int32_t n = 0; n < 100'000; ++n) {
        barre.FixePosition(n);
        if (n % 10 == 0) barre.Repeint();
    }
    EXPECT_EQ(barre.valeursAffichees, 271);
    EXPECT_EQ(barre.dessins, 271);
    barre.Repeint();
    EXPECT_EQ(barre.dessins, 271);
    barre.Montre(false);
    EXPECT_FALSE(barre.montree);
    barre.FixePosition(1);
    barre.Repeint();
    EXPECT_EQ(barre.dessins, 271);
    // Shown again, it is drawn whatever its band.
    barre.Montre(true);
    barre.Repeint();
    EXPECT_EQ(barre.dessins, 272);
}

}  // namespace
