// The progress bar of the date check.
#include "application/qt/controles/TProgressBar.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"

#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

namespace {
// Width of the sunken frame around the band.
constexpr int Bord = 1;
}  // namespace

TProgressBar::TProgressBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TProgressBar::FixeMin(std::int32_t min) { FixeBornes(min, max_); }
void TProgressBar::FixeMax(std::int32_t max) { FixeBornes(min_, max); }

void TProgressBar::FixeBornes(std::int32_t min, std::int32_t max) {
    if (min > max) throw EInvalidOperation(MessageRessource(Msg::ProprieteHorsLimites, {Texte("TProgressBar")}));
    if (min == min_ && max == max_) return;
    if (cree_ && min < min_) position_ = min;
    min_ = min;
    max_ = max;
    if (cree_) position_ = Borne(position_);
    update();
}

void TProgressBar::FixePosition(std::int32_t position) {
    position_ = cree_ ? Borne(position) : position;
    update();
}

void TProgressBar::FixeStep(std::int32_t pas) { pas_ = pas; }

std::int32_t TProgressBar::Borne(std::int32_t position) const { return std::clamp(position, min_, max_); }

QRect TProgressBar::Interieur() const { return rect().adjusted(Bord, Bord, -Bord, -Bord); }

int TProgressBar::LongueurRemplie() const {
    const int largeur = std::max(0, Interieur().width());
    if (max_ <= min_) return 0;
    const std::int64_t fait = std::int64_t{Borne(position_)} - min_;
    const std::int64_t total = std::int64_t{max_} - min_;
    return static_cast<int>(fait * largeur / total);
}

void TProgressBar::Repeint() {
    if (!isVisible() || LongueurRemplie() == longueurPeinte_) return;
    repaint();
}

void TProgressBar::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    qDrawShadePanel(&peintre, rect(), palette(), true, Bord);
    const QRect interieur = Interieur();
    peintre.fillRect(interieur, palette().color(QPalette::Window));
    const int longueur = LongueurRemplie();
    peintre.fillRect(QRect(interieur.topLeft(), QSize(longueur, interieur.height())),
                     palette().color(QPalette::Highlight));
    longueurPeinte_ = longueur;
    ++peintures_;
}

void TProgressBar::showEvent(QShowEvent* evenement) {
    if (!cree_) {
        cree_ = true;
        position_ = Borne(position_);
    }
    longueurPeinte_ = -1;
    QWidget::showEvent(evenement);
}

void TProgressBar::hideEvent(QHideEvent* evenement) {
    longueurPeinte_ = -1;
    QWidget::hideEvent(evenement);
}

void TProgressBar::resizeEvent(QResizeEvent* evenement) {
    longueurPeinte_ = -1;
    QWidget::resizeEvent(evenement);
}
