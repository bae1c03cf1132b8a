// The handlers' step sequences: what "Ouvre" and "Traite" do, in their order,
// over the run-wide state of Depart.h and the control operations of
// ControlesAccueil. Every front end's BoutonOuvreClick and BoutonTraiteClick
// run them over its own controls; a failure leaves the sequence at once and
// goes to the application object.
#pragma once

#include "depart/ControlesAccueil.h"

// "Ouvre": the dialog, the survey of the chosen file, the kind of acts and
// the count shown, the bar's maximum; the report box cleared in any case.
void SequenceOuvre(ControlesAccueil& controles);

// "Traite": the check of every record with the bar moving, the refused dates
// listed in the report box, the file closed and the outcome told.
void SequenceTraite(ControlesAccueil& controles);
