// The single-line fields of the window.
#include "application/qt/controles/TEdit.h"

#include "application/qt/TexteQt.h"

void TEdit::FixeTexte(const Texte& texte) { setText(VersQString(texte)); }
