// The single-line fields of the window.
#include "application/controles/TEdit.h"

#include "application/TexteQt.h"

void TEdit::FixeTexte(const Texte& texte) { setText(VersQString(texte)); }
