// BarreProgression: the rules of the progress bar of the date check, the
// same in both windows. Min is 1, Max 100 until set, Position 1; all three
// are 32-bit. A maximum below Min fails with EInvalidOperation ("Propriété
// TProgressBar hors limites") and changes nothing. Until the bar is first
// shown a position is kept as given; from then on positions are held within
// Min to Max. The filled band is (Position - Min) / (Max - Min) of the bar's
// length, none when Max equals Min.
//
// The control is given new values only when the band's length in pixels
// changes, and Repeint redraws it at once, without processing any event,
// only when that length differs from what it last drew: a check of a million
// lines moves the bar on every line and repaints it on every tenth.
//
// Each window's bar gives only what its control does: the band's room in
// pixels, showing or hiding, taking the present values, and a redraw now.
#pragma once

#include <cstdint>

class BarreProgression {
public:
    virtual ~BarreProgression() = default;

    static constexpr std::int32_t Min = 1;
    std::int32_t Max() const { return max_; }
    std::int32_t Position() const { return position_; }

    void FixeMax(std::int32_t max);
    void FixePosition(std::int32_t position);
    void Montre(bool visible);
    void Repeint();

    // Length in pixels of the filled band for the present position.
    int LongueurRemplie() const { return LongueurPour(position_); }

protected:
    BarreProgression() = default;
    BarreProgression(const BarreProgression&) = delete;
    BarreProgression& operator=(const BarreProgression&) = delete;

    // What the control shows changed size or was uncovered: the next
    // Repeint draws it whatever the band's length.
    void OublieDessin() { longueurPeinte_ = -1; }

private:
    virtual int Largeur() const = 0;
    virtual void MontreControle(bool visible) = 0;
    // The control takes the present range and position.
    virtual void AfficheValeurs() = 0;
    virtual void Redessine() = 0;

    int LongueurPour(std::int32_t position) const;
    std::int32_t Borne(std::int32_t position) const;
    void TransmetValeurs();

    std::int32_t max_ = 100;
    std::int32_t position_ = 1;
    bool enService_ = false;
    bool visible_ = false;
    std::int32_t positionTransmise_ = Min;
    int longueurPeinte_ = -1;
};
