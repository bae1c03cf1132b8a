// The handlers of "Ouvre" and "Traite": the shared step sequences run over
// the window's Qt controls.
#include "application/qt/Accueil.h"

#include "application/RapportRetenu.h"
#include "application/qt/Application.h"
#include "depart/SequencesAccueil.h"

namespace {

// The control operations over the window's controls; the refused dates go
// into the report box by the shared rule, kept back while it is hidden.
class ControlesQt : public ControlesAccueil {
public:
    explicit ControlesQt(TAccueil& fenetre) : f_(fenetre), rapport_(*fenetre.Entree) {}

    bool ExecuteOpenDialog() override { return f_.OpenDialog->Execute(); }
    Texte FileNameOpenDialog() override { return f_.OpenDialog->FileName(); }

    void MontreEntree(bool visible) override { f_.Entree->setVisible(visible); }
    void DimensionneEntree(int largeur, int hauteur) override { f_.Entree->resize(largeur, hauteur); }
    void VideEntree() override { f_.Entree->Vide(); }
    void AjouteLigneEntree(const Texte& ligne) override { rapport_.Ajoute(ligne); }
    void VerseLignesEntree() override { rapport_.Verse(); }

    void MontreProgression(bool visible) override { f_.Progression->setVisible(visible); }
    void FixeMaxProgression(std::int32_t maximum) override { f_.Progression->FixeMax(maximum); }
    void FixePositionProgression(std::int32_t position) override { f_.Progression->FixePosition(position); }
    void RepeintProgression() override { f_.Progression->Repeint(); }

    void FixeTexteChampType(const Texte& texte) override { f_.ChampType->FixeTexte(texte); }
    void FixeTexteChampNombre(const Texte& texte) override { f_.ChampNombre->FixeTexte(texte); }

    int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) override {
        return Application->AfficheMessage(texte, titre, drapeaux);
    }
    void DemandeFin() override { Application->DemandeFin(); }

private:
    TAccueil& f_;
    RapportRetenu rapport_;
};

}  // namespace

void TAccueil::BoutonOuvreClick(QObject*) {
    ControlesQt controles(*this);
    SequenceOuvre(controles);
}

void TAccueil::BoutonTraiteClick(QObject*) {
    ControlesQt controles(*this);
    SequenceTraite(controles);
}
