// The run-wide state of the export file, shared by the survey ("Ouvre") and
// the check ("Traite"): the reader, the current line, the field table and
// the three counters. It lives for the whole run, outside any window.
#pragma once

#include "commun/Texte.h"
#include "exportfile/DecoupageChamps.h"
#include "exportfile/LecteurLignes.h"

#include <cstdint>

extern LecteurLignes FichierExport;
extern Texte Ligne;
extern TableChamps Champ;
extern std::int32_t NbLignes;
extern std::int32_t NbChamps;
extern std::int32_t NbErreurs;

// Cuts the first n fields off Ligne into Champ[1] to Champ[n], with the steps
// k = 1 to n in this order (none when n is below 1).
void DecoupeLigne(int n);

// Puts the state back as it is at program start: the reader unbound (its
// file released), the texts empty, the counters 0, no code pending.
void ReinitialiseDepart();
