// The serial day (days since 30 December 1899) of a Gregorian date, worked
// out by hand for the expectations of the tests.
#pragma once

#include "dates/ReconnaitDate.h"

inline TDateSerie Serie(int annee, int mois, int jour) {
    const int a = mois <= 2 ? annee - 1 : annee;
    const int cycle = (a >= 0 ? a : a - 399) / 400;
    const int anneeDuCycle = a - cycle * 400;
    const int jourDeLAnnee = (153 * (mois + (mois > 2 ? -3 : 9)) + 2) / 5 + jour - 1;
    const int jourDuCycle = anneeDuCycle * 365 + anneeDuCycle / 4 - anneeDuCycle / 100 + jourDeLAnnee;
    return cycle * 146097 + jourDuCycle - 719468 + 25569;
}
