// TOpenDialog: the choice of the export file. No filter, no default
// extension; a typed name of a file that does not exist is accepted.
// Execute answers true and sets FileName to the full path when the user
// confirms, false when he cancels, FileName then keeping its value. While a
// test has set Application->RepondeurDialogue, that answers instead.
#pragma once

#include "platform/fichiers/NomFichier.h"

#include <QObject>

class TOpenDialog : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool Execute();
    // The dialog taken as confirmed on a file given otherwise (on the command
    // line, by a drop): FileName becomes its full path.
    void Confirme(const NomFichier& nom);
    // The full path confirmed last, as the file system's own bytes (never
    // converted to the 8-bit code page, so every name opens); empty at start.
    const NomFichier& FileName() const { return nomFichier_; }

private:
    NomFichier nomFichier_;
};
