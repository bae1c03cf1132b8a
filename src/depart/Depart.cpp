// The run-wide state of the export file, and its reset to the start of a run.
#include "depart/Depart.h"

LecteurLignes FichierExport;
Texte Ligne;
TableChamps Champ;
std::int32_t NbLignes = 0;
std::int32_t NbChamps = 0;
std::int32_t NbErreurs = 0;

void ReinitialiseDepart() {
    DelieLecteur(FichierExport);
    Ligne.Vide();
    Champ.Remplit(Texte());
    NbLignes = 0;
    NbChamps = 0;
    NbErreurs = 0;
    CodeES = 0;
}
