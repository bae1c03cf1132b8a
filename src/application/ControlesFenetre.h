// The control operations of "Ouvre" and "Traite" that are the same in both
// windows, over the shared rules of their controls: the report box takes the
// refused dates by the report rule, kept back while "Traite" runs, and
// notes what explains its lines; the progress bar follows its rules; the
// message box, the request to end and the busy window are the application
// object's. Each
// window gives the rest, which talks to its toolkit: the open dialog, the
// files given otherwise, the two fields, the report box's visibility and
// size, and the status bar's hint.
#pragma once

#include "application/ApplicationFenetre.h"
#include "application/BarreProgression.h"
#include "application/RaisonsRapport.h"
#include "application/RapportRetenu.h"
#include "depart/ControlesAccueil.h"
#include "depart/Depart.h"
#include "depart/Verification.h"

#include <utility>

class ControlesFenetre : public ControlesAccueil {
public:
    ControlesFenetre(BoiteRapport& entree, RaisonsRapport& raisons, BarreProgression& progression,
                     ApplicationFenetre& application)
        : entree_(entree), rapport_(entree), raisons_(raisons), progression_(progression), application_(application) {}

    void VideEntree() override {
        entree_.Vide();
        raisons_.Oublie();
    }
    // A line comes from the record just checked: its date is Champ[ChampDate].
    void AjouteLigneEntree(const Texte& ligne) override {
        rapport_.Ajoute(ligne);
        raisons_.NoteLigne(ligne, Champ[ChampDate]);
    }
    void VerseLignesEntree() override { rapport_.Verse(); }
    void DebuteRapport() override { raisons_.DebuteControle(); }

    void MontreProgression(bool visible) override { progression_.Montre(visible); }
    void FixeMaxProgression(std::int32_t maximum) override { progression_.FixeMax(maximum); }
    void FixePositionProgression(std::int32_t position) override { progression_.FixePosition(position); }
    void RepeintProgression() override { progression_.Repeint(); }

    int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) override {
        return application_.AfficheMessage(texte, titre, drapeaux);
    }
    void DemandeFin() override { application_.DemandeFin(); }

    void DebuteAttente() override { application_.DebuteAttente(); }
    void FinitAttente() noexcept override { application_.FinitAttente(); }
    void Respire() override { application_.Respire(); }
    bool Occupee() const { return application_.Occupee(); }

private:
    BoiteRapport& entree_;
    RapportRetenu rapport_;
    RaisonsRapport& raisons_;
    BarreProgression& progression_;
    ApplicationFenetre& application_;
};

// Runs a button's step sequence over a window's controls made for this
// click (with what else they are given), so that the lines kept back belong
// to one run of "Traite". While the window is busy, whatever asks for a
// sequence (a click, a drop) is thrown away.
template <class Controles, class Fenetre, class... Donnees>
void ExecuteSequence(void (*sequence)(ControlesAccueil&), Fenetre& fenetre, Donnees&&... donnees) {
    Controles controles(fenetre, std::forward<Donnees>(donnees)...);
    if (!controles.Occupee()) sequence(controles);
}
