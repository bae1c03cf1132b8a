// TEdit: a single-line field whose text the handlers set from a text of the
// tool's own (Windows-1252).
#pragma once

#include "commun/Texte.h"

#include <QLineEdit>

class TEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Replaces the whole text of the field and shows it.
    void FixeTexte(const Texte& texte);
};
