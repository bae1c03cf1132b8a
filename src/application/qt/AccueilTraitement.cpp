// The handlers of "Ouvre" and "Traite": the shared step sequences run over
// the window's Qt controls.
#include "application/qt/Accueil.h"

#include "application/ControlesFenetre.h"
#include "application/qt/Application.h"
#include "depart/SequencesAccueil.h"

namespace {

// What the shared control operations leave to the window's Qt controls.
class ControlesQt : public ControlesFenetre {
public:
    explicit ControlesQt(TAccueil& fenetre)
        : ControlesFenetre(*fenetre.Entree, *fenetre.Progression, *Application), f_(fenetre) {}

    bool ExecuteOpenDialog() override { return f_.OpenDialog->Execute(); }
    NomFichier FileNameOpenDialog() override { return f_.OpenDialog->FileName(); }
    void MontreEntree(bool visible) override { f_.Entree->setVisible(visible); }
    void DimensionneEntree(int largeur, int hauteur) override { f_.Entree->resize(largeur, hauteur); }
    void FixeTexteChampType(const Texte& texte) override { f_.ChampType->FixeTexte(texte); }
    void FixeTexteChampNombre(const Texte& texte) override { f_.ChampNombre->FixeTexte(texte); }

private:
    TAccueil& f_;
};

}  // namespace

void TAccueil::BoutonOuvreClick(QObject*) { ExecuteSequence<ControlesQt>(SequenceOuvre, *this); }

void TAccueil::BoutonTraiteClick(QObject*) { ExecuteSequence<ControlesQt>(SequenceTraite, *this); }
