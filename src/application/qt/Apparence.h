// The look of the tool: the widget style and its tooltip delays, the palette
// of system colours, the window font and the fonts F1 to F4 of the layout,
// with the free faces that stand in for the layout's Windows faces.
#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QWidget>

namespace Apparence {

// Style, palette, fonts, substitutes and tooltips for the whole application.
void Installe(QApplication& application);

// The fonts of application/PolicesDisposition.h.
QFont PoliceFenetre();
QFont PoliceF1();
QFont PoliceF2();
QFont PoliceF3();
QFont PoliceF4();

// Gives a control its font in teal, the colour of every font of the layout.
void DonnePoliceTeal(QWidget& controle, const QFont& police);
void DonneFond(QWidget& controle, const QColor& couleur);

}  // namespace Apparence
