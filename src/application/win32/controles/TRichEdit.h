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
#pragma once

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

    HWND controle_;
};
