// The French phrase of a refusal reason, from the table of messages.
#include "dates/RaisonRefus.h"

#include "commun/Messages.h"

#include <cstdio>

namespace {

std::int32_t Nombre(std::uint16_t valeur) { return static_cast<std::int32_t>(valeur); }

// A character that cannot be seen (a control byte, a blank, a non-breaking
// space) is named by its code.
bool EstVisible(std::string_view caractere) {
    if (caractere.size() != 1) return true;
    const auto octet = static_cast<unsigned char>(caractere.front());
    return octet > 0x20 && octet != 0x7F && octet != 0xA0;
}

TexteMixte Caractere(std::string_view caractere) {
    if (EstVisible(caractere)) return MessageRessource(Msg::CaractereVisible, {TexteMixte::DeLExport(caractere)});
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(caractere.front())));
    return MessageRessource(Msg::CaractereParCode, {Texte(code)});
}

std::string_view Partie(const RaisonRefus& raison, std::string_view texte) {
    if (raison.Position < 1 || static_cast<std::size_t>(raison.Position) > texte.size()) return {};
    return texte.substr(static_cast<std::size_t>(raison.Position - 1), static_cast<std::size_t>(raison.Longueur));
}

TexteMixte Separateur(const RaisonRefus& raison) {
    return Caractere(std::string_view(reinterpret_cast<const char*>(&raison.Separateur), 1));
}

// How the year was completed, as a note after it (nothing when typed whole).
TexteMixte NoteAnnee(const RaisonRefus& raison) {
    switch (raison.Origine) {
    case OrigineAnnee::FenetreSiecle: return MessageRessource(Msg::AnneeParFenetre, {Nombre(raison.Nombre)});
    case OrigineAnnee::Ere: return MessageRessource(Msg::AnneeParEre, {Nombre(raison.Nombre)});
    case OrigineAnnee::AnneeCourante: return ChaineRessource(Msg::AnneeEnCours);
    case OrigineAnnee::Tapee: break;
    }
    return {};
}

TexteMixte NombreManquant(const RaisonRefus& raison, std::string_view texte) {
    const std::string_view suivant = Partie(raison, texte);
    if (raison.Rang == 1)
        return suivant.empty() ? ChaineRessource(Msg::RaisonAucunNombre)
                               : MessageRessource(Msg::RaisonPasDeNombreAuDebut, {Caractere(suivant)});
    if (suivant.empty()) return MessageRessource(Msg::RaisonNombreManquantEnFin, {Separateur(raison)});
    return MessageRessource(Msg::RaisonNombreManquant, {Separateur(raison), Caractere(suivant)});
}

TexteMixte JourTrop(const RaisonRefus& raison) {
    const std::int32_t annee = Nombre(raison.Annee);
    if (raison.Mois == 2 && raison.Jour == 29)
        return MessageRessource(Msg::RaisonNonBissextile, {annee, NoteAnnee(raison), annee});
    const Texte& mois = ChaineRessource(static_cast<std::uint16_t>(Msg::NomsMois + raison.Mois - 1));
    return MessageRessource(Msg::RaisonJourTrop,
                            {Nombre(raison.Jour), mois, annee, NoteAnnee(raison), Nombre(raison.JoursDuMois)});
}

}  // namespace

TexteMixte ExpliqueRefus(const RaisonRefus& raison, std::string_view texte) {
    switch (raison.Motif) {
    case MotifRefus::Aucun: return {};
    case MotifRefus::DateVide: return ChaineRessource(Msg::RaisonDateVide);
    case MotifRefus::NombreSeul: return MessageRessource(Msg::RaisonNombreSeul, {Separateur(raison)});
    case MotifRefus::NombreManquant: return NombreManquant(raison, texte);
    case MotifRefus::SeparateurInattendu:
        return MessageRessource(Msg::RaisonSeparateur, {Caractere(Partie(raison, texte)), Separateur(raison)});
    case MotifRefus::ChiffreEnTrop:
        return MessageRessource(Msg::RaisonChiffreEnTrop, {Caractere(Partie(raison, texte)), Nombre(raison.Nombre)});
    case MotifRefus::TexteEnTrop:
        return MessageRessource(Msg::RaisonTexteEnTrop, {TexteMixte::DeLExport(Partie(raison, texte))});
    case MotifRefus::TexteTropLong: return ChaineRessource(Msg::RaisonTexteTropLong);
    case MotifRefus::AnneeHorsLimites:
        return MessageRessource(Msg::RaisonAnnee, {Nombre(raison.Annee), NoteAnnee(raison)});
    case MotifRefus::MoisZero: return ChaineRessource(Msg::RaisonMoisZero);
    case MotifRefus::MoisTrop: return MessageRessource(Msg::RaisonMoisTrop, {Nombre(raison.Mois)});
    case MotifRefus::JourZero: return ChaineRessource(Msg::RaisonJourZero);
    case MotifRefus::JourTrop: return JourTrop(raison);
    }
    return {};
}
