// The tooltips: the short part of the hint (before the first "|") of the
// control under the pointer or of its nearest parent with a hint, shown
// after 500 ms of rest and hidden after 2500 ms or when the pointer leaves
// the control. A control's hint is its Qt tool tip text.
#pragma once

#include <QApplication>
#include <QString>

inline constexpr int DelaiAvantInfobulle = 500;
inline constexpr int DureeInfobulle = 2500;

// The short part of a hint.
QString PartieCourte(const QString& hint);

class QWidget;
// The hint a control shows: its own, or its nearest parent's.
QString HintEnVigueur(const QWidget& controle);

void InstalleInfobulles(QApplication& application);
