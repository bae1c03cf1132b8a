// TSpeedButton: a raised button that never takes the keyboard focus, with a
// 32 by 32 picture left of its caption; the picture's pixels of the colour
// of its bottom-left pixel are drawn transparent.
#pragma once

#include <QImage>
#include <QPushButton>

class TSpeedButton : public QPushButton {
    Q_OBJECT

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    void FixeGlyph(const QImage& glyph);
};

// The picture with its transparent colour taken out.
QPixmap GlyphTransparent(const QImage& glyph);
