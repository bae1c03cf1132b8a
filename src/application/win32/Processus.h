// What the program asks of Windows for its whole process before any window:
// DLLs looked for in the system's folder only, and no "ghost" window while a
// long "Ouvre" or "Traite" takes no events; and the loading of a DLL of the
// system, never of one lying beside the program or in the current folder.
#pragma once

#include <windows.h>

// DLLs that Windows loads for the program come from its system folder
// (where Windows has SetDefaultDllDirectories; elsewhere the current folder
// is at least taken out of the search); the window is never replaced by a
// frozen copy captioned "(Ne répond pas)".
void PrepareProcessus();

// The DLL of that name from the system folder, its own dependencies looked
// for there first; Exception with a French message when it cannot be loaded.
HMODULE ChargeBibliothequeSysteme(const char* nom);
