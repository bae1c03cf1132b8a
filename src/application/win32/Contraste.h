// Whether the platform's high contrast is on, and the colours of the
// window's parts that follow from it (application/CouleursFenetre.h), read
// from the system now: the window reads them again whenever the system
// announces a change of its colours or settings.
//
// Wine always answers that high contrast is off and cannot turn it on: a
// test gives the answer instead, through ImposeContrasteEleve.
#pragma once

#include "application/CouleursFenetre.h"

#include <windows.h>

#include <optional>

bool ContrasteEleve();
// The answer that ContrasteEleve gives from now on; none: the system's.
void ImposeContrasteEleve(std::optional<bool> reponse);

CouleursFenetre CouleursActuelles();

inline COLORREF Gdi(CouleurDisposition couleur) { return RGB(couleur.Rouge, couleur.Vert, couleur.Bleu); }
