// TRichEdit: the report box of refused dates, over the platform's Unicode
// rich-text control ("RICHEDIT50W" of msftedit), in plain text, where a line
// break is a carriage return alone and counts as one character in every
// position, in the control's limit and in its length. The export's lines
// reach it in UTF-16, each converted from the export's code page; a copy
// gives the clipboard the text in Unicode, line breaks as CR LF.
//
// The box gives the shared report rule (application/RapportRetenu.h) the
// control's count of characters (the position of the end of the text), the
// number of characters of the text it is about to insert (its UTF-16 length,
// as handed to the control) and its insertion at the end (an empty
// selection there, replaced without undo record); the rule raises
// EOutOfResources ("Erreur d'insertion de ligne RichEdit") on a line that
// does not fit whole, or when the control's length after an insertion is not
// its length before plus the text. The control's own limit is set to the
// box's capacity, CapaciteRapport unless set.
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
    // The control, made hidden and in plain text by the window.
    explicit TRichEdit(HWND controle);

    // An Exception ("La zone de rapport RichEdit refuse l'opération ...")
    // when the control did not do what was asked of it.
    static void Exige(bool reussi, const char* operation);

    HWND Handle() const { return controle_; }
    // The whole text, line breaks as CR LF, as a copy gives it.
    std::wstring Contenu() const;

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
    std::wstring Portion(LONG debut, LONG fin) const;
    // Whether a line shown from that position begins a line of the text
    // (rather than continuing one the box wraps).
    bool DebuteUneLigne(LONG position) const;

    HWND controle_;
};
