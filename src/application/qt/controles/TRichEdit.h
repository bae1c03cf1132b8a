// TRichEdit: the report box of refused dates. Each added line becomes one
// line of the box followed by a line break, so that selecting all and
// copying gives the lines in order, each ended by "\n".
//
// The box gives the shared report rule (application/RapportRetenu.h) its
// count of characters, a line break counting one, and its insertion at the
// end. Nothing here processes events.
#pragma once

#include "application/RapportRetenu.h"
#include "commun/Texte.h"

#include <QPlainTextEdit>

class TRichEdit : public QPlainTextEdit, public BoiteRapport {
    Q_OBJECT

public:
    explicit TRichEdit(QWidget* parent = nullptr);

    void Vide() override;
    std::int64_t Longueur() const override;
    std::int64_t Caracteres(const Texte& texte) const override;
    bool FinitParSaut() const override;
    void InsereALaFin(const Texte& texte) override;
};
