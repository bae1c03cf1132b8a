// Passing the tool's 8-bit texts to Qt and back: a Texte is in the system's
// code page (GetACP), Qt speaks Unicode.
#pragma once

#include "commun/Texte.h"

#include <QString>

// The text as the window shows it.
QString VersQString(const Texte& texte);

// What the window holds, as a text of the system's code page; a character
// that the code page cannot write becomes "?".
Texte DepuisQString(const QString& chaine);
