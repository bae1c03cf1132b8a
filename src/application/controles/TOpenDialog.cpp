// The choice of the export file.
#include "application/controles/TOpenDialog.h"

#include "application/Application.h"
#include "application/TexteQt.h"

bool TOpenDialog::Execute() {
    const auto choix = Application->ChoisitFichier(VersQString(nomFichier_));
    if (!choix) return false;
    nomFichier_ = DepuisQString(*choix);
    return true;
}
