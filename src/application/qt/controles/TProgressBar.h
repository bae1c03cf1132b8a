// TProgressBar: the progress bar of the date check as a Qt widget, under the
// rules of application/BarreProgression.h: a sunken frame around a
// continuous band in the highlight colour, redrawn at once by Repeint.
#pragma once

#include "application/BarreProgression.h"

#include <QWidget>

class TProgressBar : public QWidget, public BarreProgression {
    Q_OBJECT

public:
    explicit TProgressBar(QWidget* parent = nullptr);

    // How many times the bar has been painted, for the window's benchmark.
    int NombrePeintures() const { return peintures_; }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    int Largeur() const override { return Interieur().width(); }
    void MontreControle(bool visible) override { setVisible(visible); }
    void AfficheValeurs() override { update(); }
    void Redessine() override { repaint(); }
    QRect Interieur() const;

    int peintures_ = 0;
};
