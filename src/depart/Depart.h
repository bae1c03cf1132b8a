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

// Puts the state back as it is at program start: the reader unbound (its
// file released), the texts empty, the counters 0, no code pending.
void ReinitialiseDepart();
