// TImage: a picture drawn inside its box by the placement rule (Stretch,
// Proportional, Center); the rest of the box shows the window behind it.
#pragma once

#include "application/PlacementImage.h"

#include <QImage>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    void FixeImage(QImage image);
    const QImage& Image() const { return image_; }
    void FixeReglages(ReglagesPlacement reglages);

    // Where the picture is drawn, in the control's coordinates.
    QRect RectangleDessin() const;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QImage image_;
    ReglagesPlacement reglages_;
};
