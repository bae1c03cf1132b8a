// The handlers of "Ouvre" and "Traite": the shared step sequences run over
// the window's Win32 controls.
#include "application/win32/Accueil.h"

#include "application/ControlesFenetre.h"
#include "depart/SequencesAccueil.h"

namespace {

// What the shared control operations leave to the window's Win32 controls.
class ControlesWin32 : public ControlesFenetre {
public:
    explicit ControlesWin32(TAccueil& fenetre)
        : ControlesFenetre(*fenetre.Entree, *fenetre.Progression, *Application), f_(fenetre) {}

    bool ExecuteOpenDialog() override { return f_.OpenDialog.Execute(Application->FenetreApplication()); }
    NomFichier FileNameOpenDialog() override { return f_.OpenDialog.FileName(); }
    void MontreEntree(bool visible) override { f_.MontreEntree(visible); }
    void DimensionneEntree(int largeur, int hauteur) override { f_.DimensionneEntree(largeur, hauteur); }
    void FixeTexteChampType(const Texte& texte) override { TAccueil::FixeTexte(f_.ChampType, texte); }
    void FixeTexteChampNombre(const Texte& texte) override { TAccueil::FixeTexte(f_.ChampNombre, texte); }

private:
    TAccueil& f_;
};

}  // namespace

void TAccueil::BoutonOuvreClick(TSpeedButton*) { ExecuteSequence<ControlesWin32>(SequenceOuvre, *this); }

void TAccueil::BoutonTraiteClick(TSpeedButton*) { ExecuteSequence<ControlesWin32>(SequenceTraite, *this); }
