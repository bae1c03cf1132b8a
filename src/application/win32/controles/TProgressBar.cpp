// The progress bar of the date check.
#include "application/win32/controles/TProgressBar.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"

#include <commctrl.h>

TProgressBar::TProgressBar(HWND controle) : controle_(controle) {}

LRESULT TProgressBar::Envoie(UINT message, std::int32_t w, std::int32_t l) const {
    return SendMessageA(controle_, message, static_cast<WPARAM>(w), static_cast<LPARAM>(l));
}

std::int32_t TProgressBar::Position() const {
    return enService_ ? static_cast<std::int32_t>(Envoie(PBM_GETPOS, 0)) : position_;
}

void TProgressBar::FixeMin(std::int32_t min) { FixeBornes(min, max_); }
void TProgressBar::FixeMax(std::int32_t max) { FixeBornes(min_, max); }

void TProgressBar::FixeBornes(std::int32_t min, std::int32_t max) {
    if (min > max) throw EInvalidOperation(MessageRessource(Msg::ProprieteHorsLimites, {Texte("TProgressBar")}));
    // On the NT family the control holds 32-bit ranges: no 16-bit check.
    if (min == min_ && max == max_) return;
    if (enService_) {
        Envoie(PBM_SETRANGE32, min, max);
        if (min < min_) Envoie(PBM_SETPOS, min);
    }
    min_ = min;
    max_ = max;
}

void TProgressBar::FixePosition(std::int32_t position) {
    if (enService_) Envoie(PBM_SETPOS, position);
    else position_ = position;
}

void TProgressBar::FixeStep(std::int32_t pas) {
    if (pas == pas_) return;
    pas_ = pas;
    if (enService_) Envoie(PBM_SETSTEP, pas);
}

void TProgressBar::Montre(bool visible) {
    if (visible && !enService_) {
        enService_ = true;
        Envoie(PBM_SETRANGE32, min_, max_);
        Envoie(PBM_SETSTEP, pas_);
        Envoie(PBM_SETPOS, position_);
    }
    ShowWindow(controle_, visible ? SW_SHOW : SW_HIDE);
}

void TProgressBar::Repeint() { RedrawWindow(controle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
