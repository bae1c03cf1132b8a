// TRichEdit: the report box of refused dates, over the platform's rich-text
// control in its first version's behaviour ("RichEdit" of riched32), where a
// line break is carriage return then line feed and counts as two characters
// in every position.
//
// Each added line goes at the end of the text: the line then CR LF when the
// last line is empty, else CR LF then the line. The caret then tells whether
// the control took it whole; when it did not (the box reached its capacity,
// the control's default for MaxLength 0), EOutOfResources ("Erreur
// d'insertion de ligne RichEdit") is raised, with what was taken left in.
#pragma once

#include "commun/Texte.h"

#include <windows.h>

#include <string>

class TRichEdit {
public:
    // The control, made hidden by the window.
    explicit TRichEdit(HWND controle);

    // Empties the box and clears its modified mark; size and visibility stay.
    void Vide();
    void AjouteLigne(const Texte& ligne);
    // The whole text, line breaks as CR LF.
    std::string Contenu() const;

    HWND Handle() const { return controle_; }

private:
    // The position of the end of the text, the caret placed there.
    LONG PlaceCaretALaFin() const;
    bool FinitParSaut(LONG fin) const;

    HWND controle_;
};
