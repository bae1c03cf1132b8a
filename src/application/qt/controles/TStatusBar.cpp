// The status bar of the window.
#include "application/qt/controles/TStatusBar.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {
// Room between two panels, and between a panel's edge and its text.
constexpr int Ecart = 2;
constexpr int Marge = 3;
constexpr int TaillePoignee = 13;
}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent), poignee_(new QSizeGrip(this)) {
    setFocusPolicy(Qt::NoFocus);
    poignee_->resize(TaillePoignee, TaillePoignee);
}

void TStatusBar::FixePanneaux(std::vector<Panneau> panneaux) {
    panneaux_ = std::move(panneaux);
    update();
}

void TStatusBar::FixeTextePanneau(std::size_t i, const QString& texte, const QString& infobulle) {
    panneaux_.at(i).Texte = texte;
    panneaux_.at(i).Infobulle = infobulle;
    update();
}

InfobulleSelonPosition::Infobulle TStatusBar::InfobulleA(QPoint point) const {
    for (std::size_t i = 0; i < panneaux_.size(); ++i) {
        const QRect cadre = RectanglePanneau(i);
        if (cadre.contains(point)) return {panneaux_[i].Infobulle, cadre};
    }
    return {};
}

QRect TStatusBar::RectanglePanneau(std::size_t i) const {
    int gauche = 0;
    for (std::size_t j = 0; j < i; ++j) gauche += panneaux_[j].Largeur;
    const bool dernier = i + 1 == panneaux_.size();
    const int largeur = dernier ? width() - gauche : panneaux_[i].Largeur - Ecart;
    return {gauche, Ecart, largeur, height() - Ecart};
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), palette().color(QPalette::Window));
    peintre.setPen(palette().color(QPalette::WindowText));
    for (std::size_t i = 0; i < panneaux_.size(); ++i) {
        const QRect cadre = RectanglePanneau(i);
        qDrawShadePanel(&peintre, cadre, palette(), true, 1);
        peintre.drawText(cadre.adjusted(Marge, 0, -Marge, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         panneaux_[i].Texte);
    }
}

void TStatusBar::resizeEvent(QResizeEvent* evenement) {
    poignee_->move(width() - poignee_->width(), height() - poignee_->height());
    QWidget::resizeEvent(evenement);
}
