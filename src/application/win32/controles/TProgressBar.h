// TProgressBar: the progress bar of the date check over the platform's
// smooth progress bar control (32-bit ranges), under the rules of
// application/BarreProgression.h. The control is made hidden by the window;
// its step is the layout's 1 (nothing in the tool advances the bar by it).
#pragma once

#include "application/BarreProgression.h"

#include <windows.h>

class TProgressBar : public BarreProgression {
public:
    explicit TProgressBar(HWND controle);

    HWND Handle() const { return controle_; }

private:
    int Largeur() const override { return largeur_; }
    void MontreControle(bool visible) override;
    void AfficheValeurs() override;
    void Redessine() override;

    HWND controle_;
    int largeur_;
};
