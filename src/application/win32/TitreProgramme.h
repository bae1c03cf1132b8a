// The application title, derived at start from the executable's path: the
// path passed from the OEM character set to the ANSI one, its file name cut
// at the first "." (application/NomExecutable.h), every character after the
// first in lower case by the platform's rules. D:\Outils\VERIF.DATES.EXE
// gives Verif. The path is read as Unicode: one that the system's code page
// holds gets that rule on its 8-bit form, so the title is the one the ANSI
// calls have always given; one that the code page lacks keeps its letters
// (no OEM step, which only means something for 8-bit text).
#pragma once

#include "commun/Texte.h"

#include <string>

// The rule on a path in the system's 8-bit code page.
Texte TitreDepuisChemin(std::string chemin);
// The rule on a Unicode path.
std::wstring TitreDepuisCheminLarge(std::wstring chemin);

// The title of this program, from its own path.
std::wstring TitreProgramme();
