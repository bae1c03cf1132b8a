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

CouleursFenetre Couleurs() {
    return CouleursPour(false, [](CouleurSysteme couleur) {
        using namespace CouleursSysteme;
        const QColor& qt = couleur == CouleurSysteme::Fenetre           ? clWindow
                           : couleur == CouleurSysteme::TexteFenetre    ? clWindowText
                           : couleur == CouleurSysteme::GradientInactif ? clGradientInactiveCaption
                           : couleur == CouleurSysteme::TexteBouton     ? clWindowText
                                                                        : clBtnFace;
        return CouleurDisposition{static_cast<std::uint8_t>(qt.red()), static_cast<std::uint8_t>(qt.green()),
                                  static_cast<std::uint8_t>(qt.blue())};
    });
}

void DonnePolice(QWidget& controle, const QFont& police, CouleurDisposition texte) {
    controle.setFont(police);
    QPalette palette = controle.palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, QColor(texte.Rouge, texte.Vert, texte.Bleu));
        palette.setColor(QPalette::Inactive, role, QColor(texte.Rouge, texte.Vert, texte.Bleu));
    }
    controle.setPalette(palette);
}

void DonnePolice(QWidget& controle, const QFont& police, const Encre& encre) {
    DonnePolice(controle, police, encre.Texte);
    const QColor fond(encre.Fond.Rouge, encre.Fond.Vert, encre.Fond.Bleu);
    QPalette palette = controle.palette();
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button}) palette.setColor(role, fond);
    controle.setPalette(palette);
}

}  // namespace Apparence
