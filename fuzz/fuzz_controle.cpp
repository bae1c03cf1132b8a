// Fuzz target: the survey and the check over a file of arbitrary bytes, as
// "Ouvre" then "Traite" run them, under French short dates. Failures of the
// tool's own kinds are expected; anything else, or a sanitizer report, is a
// fault.
#include "commun/Exceptions.h"
#include "dates/ChargeReglagesDate.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"
#include "support/CheminTemporaire.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

class ObservateurMuet : public ObservateurVerification {
public:
    void Avance(std::int32_t) override {}
    void MontreProgression() override {}
    void AjouteLigneRapport(const Texte&) override {}
};

const std::string& CheminExport() {
    static const std::string chemin = CheminTemporaireLibre("fuzz-controle-").string();
    return chemin;
}

void Ecrit(const std::uint8_t* octets, std::size_t taille) {
    std::FILE* fichier = std::fopen(CheminExport().c_str(), "wb");
    if (!fichier) std::abort();
    std::fwrite(octets, 1, taille, fichier);
    std::fclose(fichier);
}

// The survey of "Ouvre"; interrompu, it stops after counting, and the check
// then runs as after an "Ouvre" stopped by a failure: no kind, the reader at
// the end of the file.
void Survole(bool interrompu) {
    NbLignes = 0;
    OuvreFichierExport(NomFichier(CheminExport()));
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
    Ecrit(octets, taille);
    try {
        Survole(taille > 0 && octets[0] == 0xFF);
        Verifie();
    } catch (const Exception&) {}
    std::remove(CheminExport().c_str());
    return 0;
}
