// Fuzz target: the survey and the check over a file of arbitrary bytes, as
// "Ouvre" then "Traite" run them, under French short dates. Failures of the
// tool's own kinds are expected; anything else, or a sanitizer report, is a
// fault.
#include "FichierEntree.h"
#include "commun/Exceptions.h"
#include "dates/ChargeReglagesDate.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"

#include <cstdint>
#include <string>

namespace {

class ObservateurMuet : public ObservateurVerification {
public:
    void Avance(std::int32_t) override {}
    void MontreProgression() override {}
    void AjouteLigneRapport(const Texte&) override {}
};

// The survey of "Ouvre"; interrompu, it stops after counting, and the check
// then runs as after an "Ouvre" stopped by a failure: no kind, the reader at
// the end of the file.
void Survole(const FichierEntree& entree, bool interrompu) {
    NbLignes = 0;
    OuvreFichierExport(NomFichier(entree.Nom()));
    CompteLignes();
    if (interrompu) return;
    RembobineExport();
    PorteLaMarque();
    DecoupeEntete();
    ChoisitTypeActes();
}

// The check of "Traite".
void Verifie() {
    ObservateurMuet observateur;
    DebuteVerification();
    VerifieEnregistrements(observateur);
    FermeExport();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    ReinitialiseDepart();
    ReglagesDate.FormatDateCourt = Texte("dd/MM/yyyy");
    ReglagesDate.SeparateurDate = '/';
    const FichierEntree entree(octets, taille);
    try {
        Survole(entree, taille > 0 && octets[0] == 0xFF);
        Verifie();
    } catch (const Exception&) {}
    return 0;
}
