// The run-wide state of the export file, the cut of its current line, and its
// reset to the start of a run.
#include "depart/Depart.h"

LecteurLignes FichierExport;
Texte Ligne;
TableChamps Champ;
std::int32_t NbLignes = 0;
std::int32_t NbChamps = 0;
std::int32_t NbErreurs = 0;

void DecoupeLigne(int n) {
    LigneEnCoupe coupe(Ligne);
    for (int k = 1; k <= n; ++k) coupe.DecoupeChamp(Champ, k);
}

void ReinitialiseDepart() {
    DelieLecteur(FichierExport);
    Ligne.Vide();
    Champ.Remplit(Texte());
    NbLignes = 0;
    NbChamps = 0;
    NbErreurs = 0;
    CodeES = 0;
}
