// The flags and answers of the tool's message boxes are those of MessageBoxW:
// checked here against the Windows headers.
#include "commun/DrapeauxBoite.h"

#include <windows.h>

static_assert(Boite::Ok == MB_OK);
static_assert(Boite::IconeStop == MB_ICONSTOP);
static_assert(Boite::IconeInformation == MB_ICONINFORMATION);
static_assert(Boite::BoutonOk == IDOK);
