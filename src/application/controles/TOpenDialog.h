// TOpenDialog: the choice of the export file. No filter, no default
// extension; a typed name of a file that does not exist is accepted.
// Execute answers true and sets FileName to the full path when the user
// confirms, false when he cancels, FileName then keeping its value. While a
// test has set Application->RepondeurDialogue, that answers instead.
#pragma once

#include "commun/Texte.h"

#include <QObject>

class TOpenDialog : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool Execute();
    // The full path confirmed last, in the system's code page; empty at start.
    const Texte& FileName() const { return nomFichier_; }
    void FixeFileName(const Texte& nom) { nomFichier_ = nom; }

private:
    Texte nomFichier_;
};
