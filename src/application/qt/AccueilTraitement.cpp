// The handlers of "Ouvre" and "Traite", and the files given otherwise than
// through the dialog: the shared step sequences run over the window's Qt
// controls.
#include "application/qt/Accueil.h"

#include "application/ControlesFenetre.h"
#include "application/qt/Application.h"
#include "application/qt/TexteQt.h"
#include "depart/SequencesAccueil.h"

#include <QMetaObject>

namespace {

// The status bar's panel of the hint of another convention.
constexpr std::size_t PanneauIndice = 0;

// What the shared control operations leave to the window's Qt controls.
class ControlesQt : public ControlesFenetre {
public:
    explicit ControlesQt(TAccueil& fenetre, std::vector<NomFichier> donnes = {})
        : ControlesFenetre(*fenetre.Entree, fenetre.Entree->Raisons, *fenetre.Progression, *Application),
          f_(fenetre),
          donnes_(std::move(donnes)) {}

    bool ExecuteOpenDialog() override { return f_.OpenDialog->Execute(); }
    NomFichier FileNameOpenDialog() override { return f_.OpenDialog->FileName(); }
    std::size_t NombreFichiersDonnes() override { return donnes_.size(); }
    void ConfirmeFichierDonne() override { f_.OpenDialog->Confirme(donnes_.front()); }
    void MontreEntree(bool visible) override { f_.Entree->setVisible(visible); }
    void DimensionneEntree(int largeur, int hauteur) override { f_.Entree->resize(largeur, hauteur); }
    void FixeTexteChampType(const Texte& texte) override { f_.ChampType->FixeTexte(texte); }
    void FixeTexteChampNombre(const Texte& texte) override { f_.ChampNombre->FixeTexte(texte); }
    void MontreIndice(const std::optional<IndiceConvention>& indice) override {
        f_.BarreEtat->FixeTextePanneau(PanneauIndice, indice ? VersQString(indice->Court) : QString(),
                                       indice ? VersQString(indice->Complet) : QString());
    }

private:
    TAccueil& f_;
    std::vector<NomFichier> donnes_;
};

}  // namespace

void TAccueil::BoutonOuvreClick(QObject*) { ExecuteSequence<ControlesQt>(SequenceOuvre, *this); }

void TAccueil::BoutonTraiteClick(QObject*) { ExecuteSequence<ControlesQt>(SequenceTraite, *this); }

void TAccueil::OuvreFichiersDonnes(const std::vector<NomFichier>& noms) {
    Application->ExecuteGarde([&] { ExecuteSequence<ControlesQt>(SequenceOuvreDonnes, *this, noms); });
}

void TAccueil::OuvreAuDemarrage(const std::vector<NomFichier>& noms) {
    if (noms.empty()) return;
    QMetaObject::invokeMethod(
        this, [this, noms] { OuvreFichiersDonnes(noms); }, Qt::QueuedConnection);
}
