// The handlers of "Ouvre" (the survey of an export file) and "Traite" (the
// date check and its report), over the survey and check steps that the
// command-line companion runs too.
#include "depart/Accueil.h"

#include "application/Application.h"
#include "commun/Messages.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"

#include <string>
#include <vector>

namespace {

constexpr int LargeurRapportReduit = 33;
constexpr int HauteurRapportReduit = 25;
constexpr int LargeurRapportOuvert = 441;
constexpr int HauteurRapportOuvert = 161;

// Shows the check's progress on the bar and gathers the refused dates for
// the report box, which stays hidden while the check runs: lines are put in
// by blocks, and one by one only when the box may be near its capacity, so
// that a full box fails on the very line that does not fit.
class SuiviDansLaFenetre : public ObservateurVerification {
public:
    SuiviDansLaFenetre(TProgressBar& barre, TRichEdit& rapport) : barre_(barre), rapport_(rapport) {}

    void Avance(std::int32_t n) override { barre_.FixePosition(n); }
    void MontreProgression() override { barre_.Repeint(); }

    void AjouteLigneRapport(const Texte& ligne) override {
        // A byte of the code page never gives more than one character.
        const qsizetype auPlus = ligne.Longueur() + 1;
        if (rapport_.Longueur() + caracteresEnAttente_ + auPlus > rapport_.Capacite()) {
            Verse();
            rapport_.AjouteLigne(ligne);
            return;
        }
        enAttente_.push_back(ligne);
        caracteresEnAttente_ += auPlus;
        if (enAttente_.size() == LignesParBloc) Verse();
    }

    // Puts the gathered lines into the box.
    void Verse() {
        std::vector<Texte> bloc;
        bloc.swap(enAttente_);
        caracteresEnAttente_ = 0;
        rapport_.AjouteLignes(bloc);
    }

private:
    static constexpr std::size_t LignesParBloc = 8192;

    TProgressBar& barre_;
    TRichEdit& rapport_;
    std::vector<Texte> enAttente_;
    qsizetype caracteresEnAttente_ = 0;
};

void VerifieDansLaFenetre(TProgressBar& barre, TRichEdit& rapport) {
    SuiviDansLaFenetre suivi(barre, rapport);
    try {
        VerifieEnregistrements(suivi);
    } catch (...) {
        suivi.Verse();
        throw;
    }
    suivi.Verse();
}

}  // namespace

void TAccueil::BoutonOuvreClick(QObject*) {
    if (OpenDialog->Execute()) {
        NbLignes = 0;
        Entree->setVisible(false);
        Progression->setVisible(false);
        OuvreFichierExport(OpenDialog->FileName());
        CompteLignes();
        RembobineExport();
        if (!PorteLaMarque()) {
            Application->AfficheMessage(ChaineRessource(Msg::PasUnExport), ChaineRessource(Msg::Attention),
                                        MB_OK | MB_ICONSTOP);
            Application->DemandeFin();
        }
        DecoupeEntete();
        ChampType->FixeTexte(ChoisitTypeActes());
        ChampNombre->FixeTexte(Texte(std::to_string(NbLignes)));
        Progression->FixeMax(NbLignes);
    }
    Entree->Vide();
}

void TAccueil::BoutonTraiteClick(QObject*) {
    DebuteVerification();
    Entree->setVisible(false);
    Entree->resize(LargeurRapportReduit, HauteurRapportReduit);
    Progression->setVisible(true);
    VerifieDansLaFenetre(*Progression, *Entree);
    FermeExport();
    if (DatesRefusees()) {
        Entree->resize(LargeurRapportOuvert, HauteurRapportOuvert);
        Entree->setVisible(true);
        Application->AfficheMessage(ChaineRessource(Msg::CopiezResultats), ChaineRessource(Msg::Bravo),
                                    MB_OK | MB_ICONINFORMATION);
    } else {
        Application->AfficheMessage(ChaineRessource(Msg::ControleTermine), ChaineRessource(Msg::Bravo),
                                    MB_OK | MB_ICONINFORMATION);
    }
    Progression->setVisible(false);
    Progression->FixePosition(0);
}
