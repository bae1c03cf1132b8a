// The application title, derived from the executable's path: its name cut at
// its first "." (application/NomExecutable.h), every character after the
// first in lower case.
#pragma once

#include "commun/Texte.h"

// The path is in the system's code page; both "\" and "/" end a folder name.
Texte TitreDepuisChemin(const Texte& chemin);
