// The control operations of "Ouvre" and "Traite" that are the same in both
// windows, over the shared rules of their controls: the report box takes the
// refused dates by the report rule, kept back while "Traite" runs; the
// progress bar follows its rules; the message box and the request to end
// are the application object's. Each window gives the rest, which talks to
// its toolkit: the open dialog, the two fields, and the report box's
// visibility and size.
#pragma once

#include "application/ApplicationFenetre.h"
#include "application/BarreProgression.h"
#include "application/RapportRetenu.h"
#include "depart/ControlesAccueil.h"

class ControlesFenetre : public ControlesAccueil {
public:
    ControlesFenetre(BoiteRapport& entree, BarreProgression& progression, ApplicationFenetre& application)
        : entree_(entree), rapport_(entree), progression_(progression), application_(application) {}

    void VideEntree() override { entree_.Vide(); }
    void AjouteLigneEntree(const Texte& ligne) override { rapport_.Ajoute(ligne); }
    void VerseLignesEntree() override { rapport_.Verse(); }

    void MontreProgression(bool visible) override { progression_.Montre(visible); }
    void FixeMaxProgression(std::int32_t maximum) override { progression_.FixeMax(maximum); }
    void FixePositionProgression(std::int32_t position) override { progression_.FixePosition(position); }
    void RepeintProgression() override { progression_.Repeint(); }

    int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) override {
        return application_.AfficheMessage(texte, titre, drapeaux);
    }
    void DemandeFin() override { application_.DemandeFin(); }

private:
    BoiteRapport& entree_;
    RapportRetenu rapport_;
    BarreProgression& progression_;
    ApplicationFenetre& application_;
};

// Runs a button's step sequence over a window's controls made for this
// click, so that the lines kept back belong to one run of "Traite".
template <class Controles, class Fenetre>
void ExecuteSequence(void (*sequence)(ControlesAccueil&), Fenetre& fenetre) {
    Controles controles(fenetre);
    sequence(controles);
}
