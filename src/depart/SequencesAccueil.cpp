// The step sequences of "Ouvre" and "Traite" over the control operations.
#include "depart/SequencesAccueil.h"

#include "commun/DrapeauxBoite.h"
#include "commun/Messages.h"
#include "depart/AutreConvention.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"

#include <string>

namespace {

constexpr int LargeurRapportReduit = 33;
constexpr int HauteurRapportReduit = 25;
constexpr int LargeurRapportOuvert = 441;
constexpr int HauteurRapportOuvert = 161;

// The check's progress on the bar, its refused dates in the report box.
class SuiviSurControles : public ObservateurVerification {
public:
    explicit SuiviSurControles(ControlesAccueil& controles) : controles_(controles) {}
    void Avance(std::int32_t n) override { controles_.FixePositionProgression(n); }
    void MontreProgression() override {
        controles_.RepeintProgression();
        controles_.Respire();
    }
    void AjouteLigneRapport(const Texte& ligne) override { controles_.AjouteLigneEntree(ligne); }

private:
    ControlesAccueil& controles_;
};

// The window busy for as long as the work under way, whether it ends or
// fails.
class Attente {
public:
    explicit Attente(ControlesAccueil& controles) : controles_(controles) { controles_.DebuteAttente(); }
    ~Attente() { controles_.FinitAttente(); }
    Attente(const Attente&) = delete;
    Attente& operator=(const Attente&) = delete;

private:
    ControlesAccueil& controles_;
};

// The lines kept back, poured while a failure of the check is on its way.
// That failure says why the check stopped and is the one the user sees: the
// box refusing those lines does not take its place (they were kept back only
// where they surely fit, so only a fault of its control refuses them), and
// the box stays hidden after a failure anyway.
void VerseApresEchec(ControlesAccueil& controles) noexcept {
    try {
        controles.VerseLignesEntree();
    } catch (...) {}
}

// The check loop; the lines a front end kept back reach the box whether the
// loop ends or fails, so that a failure leaves exactly the lines added.
void VerifieSurControles(ControlesAccueil& controles) {
    SuiviSurControles suivi(controles);
    try {
        VerifieEnregistrements(suivi);
    } catch (...) {
        VerseApresEchec(controles);
        throw;
    }
    controles.VerseLignesEntree();
}

// The survey of the file the dialog was confirmed on.
void SurvoleFichierChoisi(ControlesAccueil& controles) {
    controles.MontreEntree(false);
    controles.MontreProgression(false);
    {
        const Attente attente(controles);
        SurvoleExport(controles.FileNameOpenDialog(), {}, [&controles] { controles.Respire(); });
    }
    if (!PorteLaMarque()) {
        controles.AfficheMessage(ChaineRessource(Msg::PasUnExport), ChaineRessource(Msg::Attention),
                                 Boite::Ok | Boite::IconeStop);
        controles.DemandeFin();
    }
    DecoupeEntete();
    controles.FixeTexteChampType(ChoisitTypeActes());
    controles.FixeTexteChampNombre(Texte(std::to_string(NbLignes)));
    controles.FixeMaxProgression(NbLignes);
}

// The last step of "Ouvre", whether a file was chosen or not.
void VideRapport(ControlesAccueil& controles) {
    controles.VideEntree();
    controles.MontreIndice(std::nullopt);
}

}  // namespace

void SequenceOuvre(ControlesAccueil& controles) {
    if (controles.ExecuteOpenDialog()) SurvoleFichierChoisi(controles);
    VideRapport(controles);
}

void SequenceOuvreDonnes(ControlesAccueil& controles) {
    const std::size_t nombre = controles.NombreFichiersDonnes();
    if (nombre > 1) {
        controles.AfficheMessage(ChaineRessource(Msg::UnSeulFichier), ChaineRessource(Msg::Attention),
                                 Boite::Ok | Boite::IconeStop);
        return;
    }
    if (nombre == 0) return;
    controles.ConfirmeFichierDonne();
    SurvoleFichierChoisi(controles);
    VideRapport(controles);
}

void SequenceTraite(ControlesAccueil& controles) {
    {
        const Attente attente(controles);
        DebuteVerification();
        controles.DebuteRapport();
        controles.MontreEntree(false);
        controles.DimensionneEntree(LargeurRapportReduit, HauteurRapportReduit);
        controles.MontreProgression(true);
        VerifieSurControles(controles);
        FermeExport();
    }
    controles.MontreIndice(IndiceAutreConvention());
    if (DatesRefusees()) {
        controles.DimensionneEntree(LargeurRapportOuvert, HauteurRapportOuvert);
        controles.MontreEntree(true);
        controles.AfficheMessage(ChaineRessource(Msg::CopiezResultats), ChaineRessource(Msg::Bravo),
                                 Boite::Ok | Boite::IconeInformation);
    } else {
        controles.AfficheMessage(ChaineRessource(Msg::ControleTermine), ChaineRessource(Msg::Bravo),
                                 Boite::Ok | Boite::IconeInformation);
    }
    controles.MontreProgression(false);
    controles.FixePositionProgression(0);
}
