// The handlers' step sequences: what "Ouvre" and "Traite" do, in their order,
// over the run-wide state of Depart.h and the control operations of
// ControlesAccueil. Every front end's BoutonOuvreClick and BoutonTraiteClick
// run them over its own controls; a failure leaves the sequence at once and
// goes to the application object.
#pragma once

#include "depart/ControlesAccueil.h"

// "Ouvre": the dialog, the survey of the chosen file, the kind of acts and
// the count shown, the bar's maximum; the report box and the hint of
// another convention cleared in any case.
void SequenceOuvre(ControlesAccueil& controles);

// "Ouvre" for the files a user gave otherwise than through the dialog (on
// the command line, by a drop): one file is opened as if the dialog had
// been confirmed on it; several give a message and nothing is opened.
void SequenceOuvreDonnes(ControlesAccueil& controles);

// "Traite": the check of every record with the bar moving, the refused dates
// listed in the report box, the file closed, the hint of another convention
// shown when there is one, and the outcome told.
void SequenceTraite(ControlesAccueil& controles);
