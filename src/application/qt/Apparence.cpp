// The look of the tool.
#include "application/qt/Apparence.h"

#include "application/PolicesDisposition.h"
#include "application/ReglesInfobulles.h"
#include "application/qt/CouleursSysteme.h"
#include "application/qt/Infobulles.h"

#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>

namespace {

class StyleOutil : public QProxyStyle {
public:
    StyleOutil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

    int styleHint(StyleHint indice, const QStyleOption* option, const QWidget* controle,
                  QStyleHintReturn* retour) const override {
        if (indice == SH_ToolTip_WakeUpDelay) return DelaiAvantInfobulle;
        return QProxyStyle::styleHint(indice, option, controle, retour);
    }
};

QFont Police(const PoliceDisposition& disposition) {
    QFont police(QString::fromLatin1(disposition.Face));
    police.setPixelSize(disposition.Hauteur);
    police.setBold(disposition.Gras);
    if (disposition.PasVariable) {
        police.setFixedPitch(false);
        police.setStyleHint(QFont::SansSerif);
    }
    return police;
}

QPalette PaletteSysteme() {
    using namespace CouleursSysteme;
    QPalette palette;
    palette.setColor(QPalette::Window, clBtnFace);
    palette.setColor(QPalette::Button, clBtnFace);
    palette.setColor(QPalette::WindowText, clWindowText);
    palette.setColor(QPalette::ButtonText, clWindowText);
    palette.setColor(QPalette::Text, clWindowText);
    palette.setColor(QPalette::Base, clWindow);
    palette.setColor(QPalette::AlternateBase, clWindow);
    palette.setColor(QPalette::Light, clBtnHighlight);
    palette.setColor(QPalette::Midlight, cl3DLight);
    palette.setColor(QPalette::Mid, clBtnShadow);
    palette.setColor(QPalette::Dark, clBtnShadow);
    palette.setColor(QPalette::Shadow, cl3DDkShadow);
    palette.setColor(QPalette::Highlight, clHighlight);
    palette.setColor(QPalette::HighlightedText, clHighlightText);
    palette.setColor(QPalette::ToolTipBase, clInfoBk);
    palette.setColor(QPalette::ToolTipText, clInfoText);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, clGrayText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, clGrayText);
    palette.setColor(QPalette::Disabled, QPalette::Text, clGrayText);
    return palette;
}

}  // namespace

namespace Apparence {

void Installe(QApplication& application) {
    // The Windows faces the layout names, and their free stand-ins.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));

    QApplication::setStyle(new StyleOutil);
    const QPalette palette = PaletteSysteme();
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
    QApplication::setFont(PoliceFenetre());
    QToolTip::setFont(PoliceFenetre());
    InstalleInfobulles(application);
}

QFont PoliceFenetre() { return Police(PolicesDisposition::Fenetre); }
QFont PoliceF1() { return Police(PolicesDisposition::F1); }
QFont PoliceF2() { return Police(PolicesDisposition::F2); }
QFont PoliceF3() { return Police(PolicesDisposition::F3); }
QFont PoliceF4() { return Police(PolicesDisposition::F4); }

void DonnePoliceTeal(QWidget& controle, const QFont& police) {
    controle.setFont(police);
    QPalette palette = controle.palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, clTeal);
        palette.setColor(QPalette::Inactive, role, clTeal);
    }
    controle.setPalette(palette);
}

void DonneFond(QWidget& controle, const QColor& couleur) {
    QPalette palette = controle.palette();
    palette.setColor(QPalette::Base, couleur);
    palette.setColor(QPalette::Window, couleur);
    palette.setColor(QPalette::Button, couleur);
    controle.setPalette(palette);
}

}  // namespace Apparence
