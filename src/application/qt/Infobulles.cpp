// The tooltips of the tool.
#include "application/qt/Infobulles.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

class FiltreInfobulles : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() != QEvent::ToolTip || !objet->isWidgetType()) return false;
        auto* controle = static_cast<QWidget*>(objet);
        const QString texte = PartieCourte(HintEnVigueur(*controle));
        if (texte.isEmpty()) {
            QToolTip::hideText();
        } else {
            const auto* aide = static_cast<QHelpEvent*>(evenement);
            QToolTip::showText(aide->globalPos(), texte, controle, controle->rect(), DureeInfobulle);
        }
        return true;
    }
};

}  // namespace

QString PartieCourte(const QString& hint) { return hint.section(QLatin1Char('|'), 0, 0); }

QString HintEnVigueur(const QWidget& controle) {
    for (const QWidget* w = &controle; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->toolTip().isEmpty()) return w->toolTip();
    return {};
}

void InstalleInfobulles(QApplication& application) {
    application.installEventFilter(new FiltreInfobulles(&application));
}
