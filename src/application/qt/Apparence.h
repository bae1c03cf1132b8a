// The look of the tool: the widget style and its tooltip delays, the palette
// of system colours, the window font and the fonts F1 to F4 of the layout,
// with the free faces that stand in for the layout's Windows faces.
#pragma once

#include "application/CouleursFenetre.h"

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

// The colours of the window's parts (application/CouleursFenetre.h) over
// the palette of system colours.
CouleursFenetre Couleurs();

// Gives a control its font in a colour, or its font and its colours.
void DonnePolice(QWidget& controle, const QFont& police, CouleurDisposition texte);
void DonnePolice(QWidget& controle, const QFont& police, const Encre& encre);

}  // namespace Apparence
