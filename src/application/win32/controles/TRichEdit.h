// TRichEdit: the report box of refused dates, over the platform's rich-text
// control in its first version's behaviour ("RichEdit" of riched32), where a
// line break is carriage return then line feed and counts as two characters
// in every position.
//
// The box gives the shared report rule (application/RapportRetenu.h) the
// control's count of characters (the position of the end of the text) and
// its insertion at the end (an empty selection there, replaced without undo
// record); the rule raises EOutOfResources ("Erreur d'insertion de ligne
// RichEdit") on a line that does not fit whole, or when the control did not
// take the whole text. The control's own limit is set to the box's
// capacity, CapaciteRapport unless set.
//
// Raisons (application/RaisonsRapport.h) explains each line from its text,
// which LigneA reads under the pointer: the whole line, however the box
// wraps it.
#pragma once

#include "application/RaisonsRapport.h"
#include "application/RapportRetenu.h"
#include "commun/Texte.h"

#include <windows.h>

#include <string>

class TRichEdit : public BoiteRapport {
public:
    // The control, made hidden by the window.
    explicit TRichEdit(HWND controle);

    HWND Handle() const { return controle_; }
    // The whole text, line breaks as CR LF.
    std::string Contenu() const;

    RaisonsRapport Raisons;
    // The text of the line at a point of the box, in the export's code page,
    // without its line break.
    Texte LigneA(POINT point) const;

    void Vide() override;
    // The position of the end of the text.
    std::int64_t Longueur() const override;
    std::int64_t Caracteres(const Texte& texte) const override;
    bool FinitParSaut() const override;
    void InsereALaFin(const Texte& texte) override;

private:
    void LimiteControle(std::int64_t capacite) override;
    // The position of the end of the text, an empty selection placed there.
    LONG PlaceCaretALaFin() const;
    // The characters from debut to fin, as the control gives them.
    std::string Portion(LONG debut, LONG fin) const;
    // Whether a line shown from that position begins a line of the text
    // (rather than continuing one the box wraps).
    bool DebuteUneLigne(LONG position) const;

    HWND controle_;
};
