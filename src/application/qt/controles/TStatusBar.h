// TStatusBar: a bar of panels with lowered bevels along the bottom of its
// window, with a size grip at its right end. Panels lie side by side from
// the left, each as wide as its width, except the last, which reaches the
// right end. It shows no hints; a panel with a text to read shows it as
// its tooltip.
#pragma once

#include "application/qt/Infobulles.h"

#include <QSizeGrip>
#include <QString>
#include <QWidget>

#include <vector>

struct Panneau {
    int Largeur = 0;
    QString Texte;
    QString Infobulle;
};

class TStatusBar : public QWidget, public InfobulleSelonPosition {
    Q_OBJECT

public:
    explicit TStatusBar(QWidget* parent = nullptr);

    void FixePanneaux(std::vector<Panneau> panneaux);
    // The text of panel i and the tooltip that explains it.
    void FixeTextePanneau(std::size_t i, const QString& texte, const QString& infobulle);
    Infobulle InfobulleA(QPoint point) const override;
    const std::vector<Panneau>& Panneaux() const { return panneaux_; }
    // The rectangle of panel i, in the bar's coordinates.
    QRect RectanglePanneau(std::size_t i) const;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    std::vector<Panneau> panneaux_;
    QSizeGrip* poignee_;
};
