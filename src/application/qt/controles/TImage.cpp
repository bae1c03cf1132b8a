// The picture control.
#include "application/qt/controles/TImage.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void TImage::FixeImage(QImage image) {
    image_ = std::move(image);
    update();
}

void TImage::FixeReglages(ReglagesPlacement reglages) {
    reglages_ = reglages;
    update();
}

QRect TImage::RectangleDessin() const {
    const RectanglePlace place = PlaceImage(image_.width(), image_.height(), width(), height(), reglages_);
    return {place.Gauche, place.Haut, place.Largeur, place.Hauteur};
}

void TImage::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    peintre.drawImage(RectangleDessin(), image_);
}
