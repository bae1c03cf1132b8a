// TOpenDialog: the choice of the export file, through the platform's common
// open dialog owned by the application window: no filter, no default
// extension, the platform's own title, the read-only box hidden, resizable;
// a typed name of a file that does not exist is accepted. The dialog is
// Unicode: any name it gives is taken whole, whatever the system's code page
// and however long; a failure of the dialog itself is an Exception, never
// taken for a cancel. While it is shown the tool's other windows are disabled
// as for a message box; the current folder is the same after it as before.
#pragma once

#include "platform/fichiers/NomFichier.h"

#include <windows.h>

#include <string>

class TOpenDialog {
public:
    // True and FileName the full path when the user confirmed a file; false
    // when he cancelled, FileName then keeping its value.
    bool Execute(HWND proprietaire);
    // The one place where a name the user chose (in the dialog, on the
    // command line, by a drop), in UTF-16, becomes FileName, the name the
    // survey is given: its full path, whole.
    void Confirme(const std::wstring& nom);
    // The path confirmed last, in UTF-8; empty at start.
    const NomFichier& FileName() const { return nomFichier_; }

private:
    NomFichier nomFichier_;
};
