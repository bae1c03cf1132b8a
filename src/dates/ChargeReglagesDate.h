// Loading the record of regional date settings (commun/ReglagesDate.h) from
// the platform's locale: at start-up, and again when the platform announces a
// change of the user's regional settings.
#pragma once

#include "commun/ReglagesDate.h"

// Fills every field but FenetreSiecle from the locale of the calling thread.
// Never fails: each refusal of the platform gives the field's default.
void ChargeReglagesDate();

// The reload on an announced change of the regional settings, the same on
// every platform: the thread moves to the user's default locale, then the
// record is loaded again.
void RechargeReglagesUtilisateur();
