// TOpenDialog: the choice of the export file, through the platform's common
// open dialog owned by the application window: no filter, no default
// extension, the platform's own title, the read-only box hidden, resizable;
// a typed name of a file that does not exist is accepted. While it is shown
// the tool's other windows are disabled as for a message box; the current
// folder is the same after it as before.
#pragma once

#include "commun/Texte.h"

#include <windows.h>

#include <string>

class TOpenDialog {
public:
    // True and FileName the full path when the user confirmed a file; false
    // when he cancelled, FileName then keeping its value.
    bool Execute(HWND proprietaire);
    // The one place where a name the user chose (in the dialog, on the
    // command line, by a drop), in UTF-16, becomes FileName, the name the
    // survey is given: its full path in the system's code page. A character
    // the code page lacks becomes "?" (never a look-alike), so that such a
    // name opens no file rather than another one.
    void Confirme(const std::wstring& nom);
    // The path confirmed last, in the system's code page; empty at start.
    const Texte& FileName() const { return nomFichier_; }

private:
    Texte nomFichier_;
};
