// The application title, derived at start from the executable's path: the
// path passed from the OEM character set to the ANSI one, its file name cut
// at the first "." (application/NomExecutable.h), every character after the
// first in lower case by the platform's rules. D:\Outils\VERIF.DATES.EXE
// gives Verif.
#pragma once

#include "commun/Texte.h"

#include <string>

Texte TitreDepuisChemin(std::string chemin);

// The title of this program, from its own path.
Texte TitreProgramme();
