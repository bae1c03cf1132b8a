// TRichEdit: the report box of refused dates. Each added line becomes one
// line of the box followed by a line break, so that selecting all and
// copying gives the lines in order, each ended by "\n".
//
// Capacity: CapaciteParDefaut characters (a line break counts as one). A
// line that does not fit whole is not taken at all and raises
// EOutOfResources ("Erreur d'insertion de ligne RichEdit"); the lines before
// it stay. AjouteLignes puts many lines in at once with exactly the result
// of adding them one by one, failure included; neither processes events.
#pragma once

#include "commun/Texte.h"

#include <QPlainTextEdit>

#include <span>

class TRichEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    // 64 Mi characters: over a million report lines of fifty characters.
    static constexpr qsizetype CapaciteParDefaut = qsizetype{64} * 1024 * 1024;

    explicit TRichEdit(QWidget* parent = nullptr);

    // Empties the box and clears its modified mark; size and visibility stay.
    void Vide();
    void AjouteLigne(const Texte& ligne);
    void AjouteLignes(std::span<const Texte> lignes);

    // Number of characters the box holds.
    qsizetype Longueur() const;
    qsizetype Capacite() const { return capacite_; }
    void FixeCapacite(qsizetype capacite) { capacite_ = capacite; }

private:
    // Whether the box is empty or its last line is empty.
    bool FinitParSaut() const;
    void InsereALaFin(const QString& texte);
    [[noreturn]] static void EchecInsertion();

    qsizetype capacite_ = CapaciteParDefaut;
};
