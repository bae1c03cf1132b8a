// The tooltips, under the rules of application/ReglesInfobulles.h, over
// Qt's: the short part of the hint of the control under the pointer or of
// its nearest parent with a hint, hidden also when the pointer leaves the
// control. A control's hint is its Qt tool tip text; the style gives the
// delay before a tooltip shows (Apparence.cpp). A control (or a parent) that
// has a tooltip of its own for the place under the pointer shows that one
// instead, whole, while the pointer stays within its zone.
#pragma once

#include <QApplication>
#include <QPoint>
#include <QRect>
#include <QString>

// A control whose tooltip depends on where the pointer rests over it.
class InfobulleSelonPosition {
public:
    struct Infobulle {
        QString Texte;  // empty: the control's hint instead
        QRect Zone;     // where it holds, in the control's coordinates
    };
    // The tooltip at a point of the control.
    virtual Infobulle InfobulleA(QPoint point) const = 0;

protected:
    ~InfobulleSelonPosition() = default;
};

QString PartieCourte(const QString& hint);

class QWidget;
// The hint a control shows: its own, or its nearest parent's.
QString HintEnVigueur(const QWidget& controle);

void InstalleInfobulles(QApplication& application);
