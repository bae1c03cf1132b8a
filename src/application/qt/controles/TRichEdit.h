// TRichEdit: the report box of refused dates. Each added line becomes one
// line of the box followed by a line break, so that selecting all and
// copying gives the lines in order, each ended by "\n".
//
// The box gives the shared report rule (application/RapportRetenu.h) its
// count of characters, a line break counting one, and its insertion at the
// end; the rule holds its capacity (CapaciteRapport unless set) and raises
// EOutOfResources on a line that does not fit whole. Nothing here processes
// events.
#pragma once

#include "application/RapportRetenu.h"
#include "commun/Texte.h"

#include <QPlainTextEdit>

class TRichEdit : public QPlainTextEdit, public BoiteRapport {
    Q_OBJECT

public:
    explicit TRichEdit(QWidget* parent = nullptr);

    // Empties the box and clears its modified mark; size and visibility stay.
    void Vide();
    void AjouteLigne(const Texte& ligne) { AjouteLigneRapport(*this, ligne); }
    void FixeCapacite(std::int64_t capacite) { capacite_ = capacite; }

    std::string_view SautDeLigne() const override { return "\n"; }
    std::int64_t Capacite() const override { return capacite_; }
    std::int64_t Longueur() const override;
    std::int64_t Caracteres(const Texte& texte) const override;
    bool FinitParSaut() const override;
    void InsereALaFin(const Texte& texte) override;

private:
    std::int64_t capacite_ = CapaciteRapport;
};
