// TRichEdit: the report box of refused dates. Each added line becomes one
// line of the box followed by a line break, so that selecting all and
// copying gives the lines in order, each ended by "\n".
//
// The box gives the shared report rule (application/RapportRetenu.h) its
// count of characters, a line break counting one, and its insertion at the
// end. Nothing here processes events.
//
// The pointer resting on a line shows the reason of its date, which
// Raisons (application/RaisonsRapport.h) reads from the line's text (the
// whole line, however the box wraps it).
#pragma once

#include "application/RaisonsRapport.h"
#include "application/RapportRetenu.h"
#include "application/qt/Infobulles.h"
#include "commun/Texte.h"

#include <QPlainTextEdit>

class TRichEdit : public QPlainTextEdit, public BoiteRapport, public InfobulleSelonPosition {
    Q_OBJECT

public:
    explicit TRichEdit(QWidget* parent = nullptr);

    RaisonsRapport Raisons;
    // The reason of the line at the point, the line's rectangle its zone.
    Infobulle InfobulleA(QPoint point) const override;

    void Vide() override;
    std::int64_t Longueur() const override;
    std::int64_t Caracteres(const Texte& texte) const override;
    bool FinitParSaut() const override;
    void InsereALaFin(const Texte& texte) override;
};
