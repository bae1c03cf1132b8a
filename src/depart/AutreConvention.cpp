// The refused dates counted under each other convention, and the hint's texts.
#include "depart/AutreConvention.h"

#include "commun/Messages.h"
#include "dates/AnalyseDate.h"

#include <array>
#include <string>

namespace {

constexpr std::array Ordres{TOrdreDate::JMA, TOrdreDate::MJA, TOrdreDate::AMJ};
constexpr std::array<unsigned char, 3> Separateurs{'/', '-', '.'};
constexpr std::size_t NombreFormes = Ordres.size() * Separateurs.size();

FormeDate Forme(std::size_t rang) {
    return {Ordres[rang / Separateurs.size()], Separateurs[rang % Separateurs.size()]};
}

struct Comptes {
    std::array<std::uint32_t, NombreFormes> Valides{};
    std::uint32_t Refus = 0;
    FormeDate Reglages;
};

// The counts of the check under way, run-wide as the check's own counters.
Comptes comptes;

bool EstFormeDesReglages(const FormeDate& forme) {
    return forme.Ordre == comptes.Reglages.Ordre && forme.Separateur == comptes.Reglages.Separateur;
}

// The three parts of a date in the order's sequence, from the message table:
// first, the short names (j, m, a), or the whole names (jour, mois, année).
Texte Parties(TOrdreDate ordre, unsigned char separateur, std::uint16_t jour) {
    const std::uint16_t mois = static_cast<std::uint16_t>(jour + 1);
    const std::uint16_t annee = static_cast<std::uint16_t>(jour + 2);
    const std::array<std::uint16_t, 3> suite = ordre == TOrdreDate::JMA   ? std::array{jour, mois, annee}
                                               : ordre == TOrdreDate::MJA ? std::array{mois, jour, annee}
                                                                          : std::array{annee, mois, jour};
    Texte texte;
    for (const std::uint16_t partie : suite) {
        if (!texte.EstVide()) texte += static_cast<char>(separateur);
        texte += ChaineRessource(partie);
    }
    return texte;
}

// A count with its thousands apart: 9 812, 1 000 000.
Texte EnMilliers(std::uint32_t nombre) {
    const std::string chiffres = std::to_string(nombre);
    std::string groupe;
    for (std::size_t i = 0; i < chiffres.size(); ++i) {
        if (i > 0 && (chiffres.size() - i) % 3 == 0) groupe += ' ';
        groupe += chiffres[i];
    }
    return Texte(groupe);
}

// The other form that accepts the most refused dates, by the tie rule.
std::size_t MeilleureForme() {
    std::size_t meilleure = NombreFormes;
    for (std::size_t rang = 0; rang < NombreFormes; ++rang) {
        if (EstFormeDesReglages(Forme(rang))) continue;
        if (meilleure == NombreFormes || comptes.Valides[rang] > comptes.Valides[meilleure]) {
            meilleure = rang;
        } else if (comptes.Valides[rang] == comptes.Valides[meilleure] && Forme(rang).Ordre == comptes.Reglages.Ordre &&
                   Forme(meilleure).Ordre != comptes.Reglages.Ordre) {
            meilleure = rang;
        }
    }
    return meilleure;
}

}  // namespace

void DebuteConventions() { comptes = {.Reglages = FormeDesReglages()}; }

void NoteDateRefusee(std::string_view date) {
    ++comptes.Refus;
    for (std::size_t rang = 0; rang < NombreFormes; ++rang) {
        const FormeDate forme = Forme(rang);
        if (date.find(static_cast<char>(forme.Separateur)) == std::string_view::npos) continue;
        if (!EstFormeDesReglages(forme) && EstDateSous(forme, date)) ++comptes.Valides[rang];
    }
}

std::optional<IndiceConvention> IndiceAutreConvention() {
    if (comptes.Refus < RefusPourIndice) return std::nullopt;
    const std::size_t rang = MeilleureForme();
    const std::uint32_t valides = comptes.Valides[rang];
    if (std::uint64_t{valides} * 2 <= comptes.Refus) return std::nullopt;
    const FormeDate forme = Forme(rang);
    const auto pourcent = static_cast<std::int32_t>(std::uint64_t{valides} * 100 / comptes.Refus);
    IndiceConvention indice;
    indice.Forme = Parties(forme.Ordre, forme.Separateur, Msg::LettreJour);
    indice.Valides = valides;
    indice.Court = MessageRessource(Msg::IndiceCourt, {indice.Forme, pourcent}).Octets();
    indice.Complet = MessageRessource(Msg::IndiceComplet, {EnMilliers(valides), EnMilliers(comptes.Refus),
                                                           Parties(forme.Ordre, forme.Separateur, Msg::NomJour)})
                         .Octets();
    return indice;
}
