// The handlers of "Ouvre" and "Traite": the shared step sequences run over
// the window's Qt controls.
#include "application/qt/Accueil.h"

#include "application/qt/Application.h"
#include "depart/SequencesAccueil.h"

#include <vector>

namespace {

// The control operations over the window's controls. Refused dates are
// gathered while the report box is hidden and put in by blocks, one by one
// only when the box may be near its capacity, so that a full box fails on the
// very line that does not fit.
class ControlesQt : public ControlesAccueil {
public:
    explicit ControlesQt(TAccueil& fenetre) : f_(fenetre) {}

    bool ExecuteOpenDialog() override { return f_.OpenDialog->Execute(); }
    Texte FileNameOpenDialog() override { return f_.OpenDialog->FileName(); }

    void MontreEntree(bool visible) override { f_.Entree->setVisible(visible); }
    void DimensionneEntree(int largeur, int hauteur) override { f_.Entree->resize(largeur, hauteur); }
    void VideEntree() override { f_.Entree->Vide(); }
    void AjouteLigneEntree(const Texte& ligne) override {
        // A byte of the code page never gives more than one character.
        const qsizetype auPlus = ligne.Longueur() + 1;
        if (f_.Entree->Longueur() + caracteresEnAttente_ + auPlus > f_.Entree->Capacite()) {
            VerseLignesEntree();
            f_.Entree->AjouteLigne(ligne);
            return;
        }
        enAttente_.push_back(ligne);
        caracteresEnAttente_ += auPlus;
        if (enAttente_.size() == LignesParBloc) VerseLignesEntree();
    }
    void VerseLignesEntree() override {
        std::vector<Texte> bloc;
        bloc.swap(enAttente_);
        caracteresEnAttente_ = 0;
        f_.Entree->AjouteLignes(bloc);
    }

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
    static constexpr std::size_t LignesParBloc = 8192;

    TAccueil& f_;
    std::vector<Texte> enAttente_;
    qsizetype caracteresEnAttente_ = 0;
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
