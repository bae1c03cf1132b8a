// The buttons of the window.
#include "application/qt/controles/TSpeedButton.h"

#include <QBitmap>
#include <QIcon>
#include <QPixmap>

TSpeedButton::TSpeedButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setFlat(false);
}

QPixmap GlyphTransparent(const QImage& glyph) {
    QPixmap image = QPixmap::fromImage(glyph);
    if (glyph.isNull()) return image;
    const QColor transparente = glyph.pixelColor(0, glyph.height() - 1);
    image.setMask(image.createMaskFromColor(transparente, Qt::MaskInColor));
    return image;
}

void TSpeedButton::FixeGlyph(const QImage& glyph) {
    setIcon(QIcon(GlyphTransparent(glyph)));
    setIconSize(glyph.size());
}
