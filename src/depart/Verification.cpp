// The check steps of "Traite", over the run-wide state of Depart.h.
#include "depart/Verification.h"

#include "dates/ReconnaitDate.h"
#include "depart/AutreConvention.h"
#include "depart/Depart.h"

namespace {
const Texte SeparateurRapport(" : ");
}  // namespace

void DebuteVerification() {
    NbErreurs = 1;
    DebuteConventions();
}

void LitEnregistrement(ChampsLus champs) {
    LitLigne(FichierExport, Ligne);
    PasseLigne(FichierExport);
    ControleES();
    if (champs == ChampsLus::DuRapport && NbChamps > ChampDate) {
        DecoupeLigne(ChampDate);
        return;
    }
    DecoupeLigne(NbChamps - 1);
    // Before any survey NbChamps is 0: there is no last field to fill then.
    if (TableChamps::Contient(NbChamps)) Champ[NbChamps] = Ligne;
}

bool DateValide(const Texte& texte, RaisonRefus* raison) {
    TDateSerie date;
    return TenteReconnaitDate(texte.Vue(), date, raison);
}

Texte LigneRapport() {
    Texte ligne = Champ[ChampReference];
    ligne += SeparateurRapport;
    ligne += Champ[ChampDate];
    return ligne;
}

void VerifieEnregistrements(ObservateurVerification& observateur, ChampsLus champs, RaisonRefus* raison) {
    for (std::int32_t n = 0; n < NbLignes; ++n) {
        observateur.Avance(n);
        LitEnregistrement(champs);
        if (n % 10 == 0) observateur.MontreProgression();
        if (!DateValide(Champ[ChampDate], raison)) {
            observateur.AjouteLigneRapport(LigneRapport());
            // 1 + 2^31 - 1 refusals would pass the 32-bit range: it wraps.
            NbErreurs = static_cast<std::int32_t>(static_cast<std::uint32_t>(NbErreurs) + 1u);
            NoteDateRefusee(Champ[ChampDate].Vue());
        }
    }
}

void FermeExport() {
    FermeFichier(FichierExport);
    ControleES();
}

bool DatesRefusees() { return NbErreurs > 1; }

std::uint32_t NombreDeRefus() { return static_cast<std::uint32_t>(NbErreurs) - 1u; }
