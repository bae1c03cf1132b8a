// The tooltips, under the rules of application/ReglesInfobulles.h, over
// Qt's: the short part of the hint of the control under the pointer or of
// its nearest parent with a hint, hidden also when the pointer leaves the
// control. A control's hint is its Qt tool tip text; the style gives the
// delay before a tooltip shows (Apparence.cpp).
#pragma once

#include <QApplication>
#include <QString>

QString PartieCourte(const QString& hint);

class QWidget;
// The hint a control shows: its own, or its nearest parent's.
QString HintEnVigueur(const QWidget& controle);

void InstalleInfobulles(QApplication& application);
