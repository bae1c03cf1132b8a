// The tooltips of the tool.
#include "application/qt/Infobulles.h"

#include "application/ReglesInfobulles.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <string_view>

namespace {

// The tooltip that the control, or its nearest parent with tooltips of its
// own, has for the point (in the control's coordinates), its zone in the
// control's coordinates.
InfobulleSelonPosition::Infobulle InfobulleSelonLePoint(QWidget& controle, QPoint point) {
    for (QWidget* w = &controle; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const auto* selonPosition = dynamic_cast<const InfobulleSelonPosition*>(w);
        if (!selonPosition) continue;
        auto infobulle = selonPosition->InfobulleA(controle.mapTo(w, point));
        infobulle.Zone.moveTopLeft(controle.mapFrom(w, infobulle.Zone.topLeft()));
        return infobulle;
    }
    return {};
}

class FiltreInfobulles : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() != QEvent::ToolTip || !objet->isWidgetType()) return false;
        auto* controle = static_cast<QWidget*>(objet);
        const auto* aide = static_cast<QHelpEvent*>(evenement);
        const auto infobulle = InfobulleSelonLePoint(*controle, aide->pos());
        const QString texte = PartieCourte(HintEnVigueur(*controle));
        if (!infobulle.Texte.isEmpty()) {
            QToolTip::showText(aide->globalPos(), infobulle.Texte, controle, infobulle.Zone, DureeInfobulleALire);
        } else if (texte.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(aide->globalPos(), texte, controle, controle->rect(), DureeInfobulle);
        }
        return true;
    }
};

}  // namespace

QString PartieCourte(const QString& hint) {
    const QByteArray utf8 = hint.toUtf8();
    return QString::fromUtf8(PartieCourte(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

QString HintEnVigueur(const QWidget& controle) {
    for (const QWidget* w = &controle; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->toolTip().isEmpty()) return w->toolTip();
    return {};
}

void InstalleInfobulles(QApplication& application) {
    application.installEventFilter(new FiltreInfobulles(&application));
}
