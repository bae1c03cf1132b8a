// The companion's check of an export and its verdict on dates, over the same
// survey and check steps as the window.
#include "lot/Lot.h"

#include "commun/Exceptions.h"
#include "commun/MessageErreur.h"
#include "commun/Messages.h"
#include "dates/ReconnaitDate.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <new>
#include <vector>

namespace {

// Writes each refused date's report line as a line of the terminal.
class RapportSurFlux : public ObservateurVerification {
public:
    RapportSurFlux(const Terminal& terminal, std::ostream& flux) : terminal_(terminal), flux_(flux) {}
    void Avance(std::int32_t) override {}
    void MontreProgression() override {}
    void AjouteLigneRapport(const Texte& ligne) override { flux_ << terminal_.VersTerminal(ligne) << '\n'; }

private:
    const Terminal& terminal_;
    std::ostream& flux_;
};

void EcritMessage(const Terminal& terminal, std::ostream& flux, const Texte& texte) {
    flux << terminal.VersTerminal(texte) << '\n';
}

int Echoue(const Terminal& terminal, std::ostream& messages, const Texte& message) {
    EcritMessage(terminal, messages, AvecPointFinal(message));
    return StatutLot::Echec;
}

int SurvoleEtVerifie(const Texte& nom, const Terminal& terminal, std::ostream& rapport, std::ostream& messages) {
    static std::vector<unsigned char> tampon(TailleTamponLot);
    SurvoleExport(nom, tampon);
    if (!PorteLaMarque()) {
        EcritMessage(terminal, messages, ChaineRessource(Msg::PasUnExport));
        return StatutLot::Echec;
    }
    DecoupeEntete();
    const Texte typeActes = ChoisitTypeActes();
    EcritMessage(terminal, messages, Texte("Actes de : ") + typeActes);
    EcritMessage(terminal, messages, Texte("Nb d'actes : ") + Texte(std::to_string(NbLignes)));

    DebuteVerification();
    RapportSurFlux observateur(terminal, rapport);
    VerifieEnregistrements(observateur, ChampsLus::DuRapport);
    FermeExport();
    rapport.flush();
    if (DatesRefusees()) {
        EcritMessage(terminal, messages, ChaineRessource(Msg::CopiezResultats));
        return StatutLot::DatesRefusees;
    }
    EcritMessage(terminal, messages, ChaineRessource(Msg::ControleTermine));
    return StatutLot::Succes;
}

std::string DateIso(TDateSerie serie) {
    using namespace std::chrono;
    constexpr sys_days origine = 1899y / December / 30;
    const year_month_day jour{origine + days(static_cast<long>(std::floor(serie)))};
    char texte[16];
    std::snprintf(texte, sizeof texte, "%04d-%02u-%02u", static_cast<int>(jour.year()),
                  static_cast<unsigned>(jour.month()), static_cast<unsigned>(jour.day()));
    return texte;
}

}  // namespace

int VerifieExportLot(const std::string& nomFichier, const Terminal& terminal, std::ostream& rapport,
                     std::ostream& messages) {
    try {
        return SurvoleEtVerifie(Texte(nomFichier), terminal, rapport, messages);
    } catch (const Exception& failure) {
        rapport.flush();
        return Echoue(terminal, messages, failure.Message());
    } catch (const std::bad_alloc&) {
        rapport.flush();
        return Echoue(terminal, messages, ChaineRessource(Msg::MemoireInsuffisante));
    }
}

int JugeDatesLot(const std::vector<std::string>& textes, const Terminal& terminal, std::ostream& sortie) {
    int statut = StatutLot::Succes;
    for (const std::string& texte : textes) {
        try {
            sortie << DateIso(ReconnaitDate(terminal.DepuisTerminal(texte))) << '\n';
        } catch (const EConvertError& refus) {
            EcritMessage(terminal, sortie, refus.Message());
            statut = StatutLot::DatesRefusees;
        }
    }
    return statut;
}
