// The rules of the progress bar.
#include "application/BarreProgression.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"

#include <algorithm>

void BarreProgression::FixeMax(std::int32_t max) {
    if (max < Min) throw EInvalidOperation(MessageRessource(Msg::ProprieteHorsLimites, {Texte("TProgressBar")}));
    if (max == max_) return;
    max_ = max;
    if (!enService_) return;
    position_ = Borne(position_);
    TransmetValeurs();
}

void BarreProgression::FixePosition(std::int32_t position) {
    if (!enService_) {
        position_ = position;
        return;
    }
    position_ = Borne(position);
    if (LongueurPour(position_) != LongueurPour(positionTransmise_)) TransmetValeurs();
}

void BarreProgression::Montre(bool visible) {
    if (visible && !enService_) {
        enService_ = true;
        position_ = Borne(position_);
        TransmetValeurs();
    }
    visible_ = visible;
    MontreControle(visible);
    OublieDessin();
}

void BarreProgression::Repeint() {
    if (!visible_) return;
    const int longueur = LongueurRemplie();
    if (longueur == longueurPeinte_) return;
    longueurPeinte_ = longueur;
    Redessine();
}

int BarreProgression::LongueurPour(std::int32_t position) const {
    if (max_ <= Min) return 0;
    const std::int64_t fait = std::int64_t{Borne(position)} - Min;
    return static_cast<int>(fait * std::max(0, Largeur()) / (std::int64_t{max_} - Min));
}

std::int32_t BarreProgression::Borne(std::int32_t position) const { return std::clamp(position, Min, max_); }

void BarreProgression::TransmetValeurs() {
    positionTransmise_ = position_;
    AfficheValeurs();
}
