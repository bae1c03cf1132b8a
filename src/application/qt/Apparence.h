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

QFont PoliceFenetre();  // "MS Sans Serif", 11 pixels
QFont PoliceF1();       // "Comic Sans MS", 13 pixels
QFont PoliceF2();       // "Comic Sans MS", 13 pixels, bold
QFont PoliceF3();       // "Comic Sans MS", 11 pixels
QFont PoliceF4();       // "Arial", variable pitch, 11 pixels

// Gives a control its font in teal, the colour of every font of the layout.
void DonnePoliceTeal(QWidget& controle, const QFont& police);
// Gives a control its background colour.
void DonneFond(QWidget& controle, const QColor& couleur);

}  // namespace Apparence
