// TProgressBar: the continuous progress bar of the date check, over the
// platform's progress bar control (32-bit ranges). Min, Max and Position
// follow the bar's rules: a new range whose minimum lies above its maximum
// fails with EInvalidOperation ("Propriété TProgressBar hors limites") and
// changes nothing; once the bar has been shown, positions are held within
// Min to Max; before that, a position is kept as given and applied, after
// the range and the step, when the bar is first shown.
//
// The control is told a new position only when the filled band's length in
// pixels changes, and Repeint redraws the whole bar at once, without
// processing any event, only when that length differs from what it last
// drew: a check of a million lines moves the bar on every line and repaints
// it on every tenth, which the platform's control would otherwise redraw
// each time.
#pragma once

#include <windows.h>

#include <cstdint>

class TProgressBar {
public:
    // The control, made hidden by the window.
    explicit TProgressBar(HWND controle);

    std::int32_t Min() const { return min_; }
    std::int32_t Max() const { return max_; }
    std::int32_t Position() const { return position_; }
    std::int32_t Step() const { return pas_; }

    void FixeMin(std::int32_t min);
    void FixeMax(std::int32_t max);
    void FixePosition(std::int32_t position);
    void FixeStep(std::int32_t pas);

    void Montre(bool visible);
    void Repeint();
    // Length in pixels of the filled band for a position, once shown.
    int LongueurRemplie(std::int32_t position) const;

    HWND Handle() const { return controle_; }

private:
    void FixeBornes(std::int32_t min, std::int32_t max);
    std::int32_t Borne(std::int32_t position) const;
    void EnvoiePosition();
    LRESULT Envoie(UINT message, std::int32_t w, std::int32_t l = 0) const;

    HWND controle_;
    std::int32_t min_ = 1;
    std::int32_t max_ = 100;
    std::int32_t position_ = 1;
    std::int32_t pas_ = 1;
    // Whether the bar has been shown once: the control then holds the range.
    bool enService_ = false;
    int largeur_ = 0;
    // The position the control was last told, and the band's length when
    // Repeint last drew it (-1: to be drawn).
    std::int32_t positionControle_ = 0;
    int longueurPeinte_ = -1;
};
