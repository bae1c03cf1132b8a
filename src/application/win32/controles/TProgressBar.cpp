// The progress bar of the date check.
#include "application/win32/controles/TProgressBar.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"

#include <commctrl.h>

#include <algorithm>

TProgressBar::TProgressBar(HWND controle) : controle_(controle) {}

LRESULT TProgressBar::Envoie(UINT message, std::int32_t w, std::int32_t l) const {
    return SendMessageA(controle_, message, static_cast<WPARAM>(w), static_cast<LPARAM>(l));
}

std::int32_t TProgressBar::Borne(std::int32_t position) const { return std::clamp(position, min_, max_); }

int TProgressBar::LongueurRemplie(std::int32_t position) const {
    if (max_ <= min_) return 0;
    const std::int64_t fait = std::int64_t{Borne(position)} - min_;
    return static_cast<int>(fait * largeur_ / (std::int64_t{max_} - min_));
}

void TProgressBar::EnvoiePosition() {
    Envoie(PBM_SETPOS, position_);
    positionControle_ = position_;
}

void TProgressBar::FixeMin(std::int32_t min) { FixeBornes(min, max_); }
void TProgressBar::FixeMax(std::int32_t max) { FixeBornes(min_, max); }

void TProgressBar::FixeBornes(std::int32_t min, std::int32_t max) {
    if (min > max) throw EInvalidOperation(MessageRessource(Msg::ProprieteHorsLimites, {Texte("TProgressBar")}));
    // On the NT family the control holds 32-bit ranges: no 16-bit check.
    if (min == min_ && max == max_) return;
    const bool minimumAbaisse = min < min_;
    min_ = min;
    max_ = max;
    if (!enService_) return;
    Envoie(PBM_SETRANGE32, min, max);
    position_ = minimumAbaisse ? min : Borne(position_);
    EnvoiePosition();
}

void TProgressBar::FixePosition(std::int32_t position) {
    if (!enService_) {
        position_ = position;
        return;
    }
    position_ = Borne(position);
    if (LongueurRemplie(position_) != LongueurRemplie(positionControle_)) EnvoiePosition();
}

void TProgressBar::FixeStep(std::int32_t pas) {
    if (pas == pas_) return;
    pas_ = pas;
    if (enService_) Envoie(PBM_SETSTEP, pas);
}

void TProgressBar::Montre(bool visible) {
    if (visible && !enService_) {
        enService_ = true;
        RECT zone{};
        GetClientRect(controle_, &zone);
        largeur_ = zone.right;
        Envoie(PBM_SETRANGE32, min_, max_);
        Envoie(PBM_SETSTEP, pas_);
        position_ = Borne(position_);
        EnvoiePosition();
    }
    ShowWindow(controle_, visible ? SW_SHOW : SW_HIDE);
    longueurPeinte_ = -1;
}

void TProgressBar::Repeint() {
    if (!IsWindowVisible(controle_)) return;
    const int longueur = LongueurRemplie(position_);
    if (longueur == longueurPeinte_) return;
    longueurPeinte_ = longueur;
    RedrawWindow(controle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
