// The handlers of "Ouvre" and "Traite": the shared step sequences run over
// the window's Win32 controls.
#include "application/win32/Accueil.h"

#include "application/RapportRetenu.h"
#include "depart/SequencesAccueil.h"

namespace {

// The control operations over the window's controls; the refused dates go
// into the report box by the shared rule, kept back while it is hidden.
class ControlesWin32 : public ControlesAccueil {
public:
    explicit ControlesWin32(TAccueil& fenetre) : f_(fenetre), rapport_(*fenetre.Entree) {}

    bool ExecuteOpenDialog() override { return f_.OpenDialog.Execute(Application->FenetreApplication()); }
    Texte FileNameOpenDialog() override { return f_.OpenDialog.FileName(); }

    void MontreEntree(bool visible) override { f_.MontreEntree(visible); }
    void DimensionneEntree(int largeur, int hauteur) override { f_.DimensionneEntree(largeur, hauteur); }
    void VideEntree() override { f_.Entree->Vide(); }
    void AjouteLigneEntree(const Texte& ligne) override { rapport_.Ajoute(ligne); }
    void VerseLignesEntree() override { rapport_.Verse(); }

    void MontreProgression(bool visible) override { f_.Progression->Montre(visible); }
    void FixeMaxProgression(std::int32_t maximum) override { f_.Progression->FixeMax(maximum); }
    void FixePositionProgression(std::int32_t position) override { f_.Progression->FixePosition(position); }
    void RepeintProgression() override { f_.Progression->Repeint(); }

    void FixeTexteChampType(const Texte& texte) override { TAccueil::FixeTexte(f_.ChampType, texte); }
    void FixeTexteChampNombre(const Texte& texte) override { TAccueil::FixeTexte(f_.ChampNombre, texte); }

    int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) override {
        return Application->AfficheMessage(texte, titre, drapeaux);
    }
    void DemandeFin() override { Application->DemandeFin(); }

private:
    TAccueil& f_;
    RapportRetenu rapport_;
};

}  // namespace

void TAccueil::BoutonOuvreClick(TSpeedButton*) {
    ControlesWin32 controles(*this);
    SequenceOuvre(controles);
}

void TAccueil::BoutonTraiteClick(TSpeedButton*) {
    ControlesWin32 controles(*this);
    SequenceTraite(controles);
}
