// TProgressBar: the continuous progress bar of the date check, over the
// platform's progress bar control (32-bit ranges). Min, Max and Position
// follow the bar's rules: a new range whose minimum lies above its maximum
// fails with EInvalidOperation ("Propriété TProgressBar hors limites") and
// changes nothing; once the bar has been shown, positions are held within
// Min to Max by the control; before that, a position is kept as given and
// applied, after the range and the step, when the bar is first shown.
#pragma once

#include <windows.h>

#include <cstdint>

class TProgressBar {
public:
    // The control, made hidden by the window.
    explicit TProgressBar(HWND controle);

    std::int32_t Min() const { return min_; }
    std::int32_t Max() const { return max_; }
    std::int32_t Position() const;
    std::int32_t Step() const { return pas_; }

    void FixeMin(std::int32_t min);
    void FixeMax(std::int32_t max);
    void FixePosition(std::int32_t position);
    void FixeStep(std::int32_t pas);

    void Montre(bool visible);
    // The whole bar redrawn at once, without waiting for the event loop.
    void Repeint();

    HWND Handle() const { return controle_; }

private:
    void FixeBornes(std::int32_t min, std::int32_t max);
    LRESULT Envoie(UINT message, std::int32_t w, std::int32_t l = 0) const;

    HWND controle_;
    std::int32_t min_ = 1;
    std::int32_t max_ = 100;
    std::int32_t position_ = 1;
    std::int32_t pas_ = 1;
    // Whether the bar has been shown once: the control then holds the range.
    bool enService_ = false;
};
