// The progress bar's drawing.
#include "application/qt/controles/TProgressBar.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {
// Width of the sunken frame around the band.
constexpr int Bord = 1;
}  // namespace

TProgressBar::TProgressBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TProgressBar::Interieur() const { return rect().adjusted(Bord, Bord, -Bord, -Bord); }

void TProgressBar::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    qDrawShadePanel(&peintre, rect(), palette(), true, Bord);
    const QRect interieur = Interieur();
    peintre.fillRect(interieur, palette().color(QPalette::Window));
    peintre.fillRect(QRect(interieur.topLeft(), QSize(LongueurRemplie(), interieur.height())),
                     palette().color(QPalette::Highlight));
    ++peintures_;
}

void TProgressBar::showEvent(QShowEvent* evenement) {
    OublieDessin();
    QWidget::showEvent(evenement);
}

void TProgressBar::resizeEvent(QResizeEvent* evenement) {
    OublieDessin();
    QWidget::resizeEvent(evenement);
}
