// The report box's context menu, as text boxes have on Windows, for a user
// who does not know the keys that copy: « Copier » (the selection; greyed
// while nothing is selected) and « Tout sélectionner », from the right mouse
// button, Shift+F10 or the menu key.
#pragma once

#include <windows.h>

void DonneMenuRapport(HWND boite);
