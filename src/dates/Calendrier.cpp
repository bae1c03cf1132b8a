// The Gregorian check (the month lengths of the common or leap year), the
// serial day count through <chrono>, the clock's year, the century window
// and the era years.
#include "dates/Calendrier.h"

#include "dates/ChargeReglagesDate.h"
#include "platform/locale/ServicesLocale.h"

#include <array>
#include <chrono>

namespace {

// The days of each month, in a common year, then in a leap year.
constexpr std::array<std::array<std::uint16_t, 12>, 2> JoursDuMois = {
    {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}}};

// Serial number of 1 January 1970, the epoch of std::chrono::sys_days.
constexpr std::int64_t SerieEpoqueUnix = 25569;

// Whether the typed name stands in the era name at the position, as the
// locale compares texts.
bool EstALaPosition(std::string_view nomEre, std::size_t position, std::string_view nomTape) {
    return nomEre.compare(position, nomTape.size(), nomTape) == 0 &&
           ServicesLocaleCourants().CompareStringA(
               Locale::UtilisateurParDefaut, 0, nomEre.substr(position, nomTape.size()), nomTape) == Locale::CstrEqual;
}

// Whether the era name contains the typed name, never from the second byte
// of a two-byte character.
bool ContientNom(std::string_view nomEre, std::string_view nomTape) {
    for (std::size_t position = 0; position + nomTape.size() <= nomEre.size();) {
        if (EstALaPosition(nomEre, position, nomTape)) return true;
        const bool deuxOctets = ReglagesDate.ExtremeOrient &&
                                ReglagesDate.EstOctetDeTete(static_cast<unsigned char>(nomEre[position])) &&
                                ServicesLocaleCourants().LongueurCaractere(nomEre.substr(position)) == 2;
        position += deuxOctets ? 2 : 1;
    }
    return false;
}

std::uint16_t Modulo65536(std::int64_t annee) { return static_cast<std::uint16_t>(annee & 0xFFFF); }

}  // namespace

bool EstBissextile(std::uint16_t annee) { return std::chrono::year(annee).is_leap(); }

std::uint16_t JoursDansMois(std::uint16_t annee, std::uint16_t mois) {
    return JoursDuMois[EstBissextile(annee) ? 1 : 0][mois - 1u];
}

MotifRefus MotifCalendrier(std::uint16_t annee, std::uint16_t mois, std::uint16_t jour) {
    if (annee < 1 || annee > 9999) return MotifRefus::AnneeHorsLimites;
    if (mois < 1) return MotifRefus::MoisZero;
    if (mois > 12) return MotifRefus::MoisTrop;
    if (jour < 1) return MotifRefus::JourZero;
    if (jour > JoursDansMois(annee, mois)) return MotifRefus::JourTrop;
    return MotifRefus::Aucun;
}

bool ComposeDate(std::uint16_t annee, std::uint16_t mois, std::uint16_t jour, TDateSerie& date) {
    if (MotifCalendrier(annee, mois, jour) != MotifRefus::Aucun) return false;
    const std::chrono::year_month_day jourCalendrier{std::chrono::year(annee), std::chrono::month(mois),
                                                     std::chrono::day(jour)};
    date = static_cast<TDateSerie>(std::chrono::sys_days(jourCalendrier).time_since_epoch().count() + SerieEpoqueUnix);
    return true;
}

std::uint16_t AnneeCourante() { return ServicesLocaleCourants().AnneeLocale(); }

std::uint16_t AppliqueFenetreSiecle(std::uint16_t annee) {
    const std::int32_t base = static_cast<std::int32_t>(AnneeCourante()) - ReglagesDate.FenetreSiecle;
    std::uint16_t complete = Modulo65536(std::int64_t{annee} + (base / 100) * 100);
    if (complete < base) complete = Modulo65536(std::int64_t{complete} + 100);
    return complete;
}

std::int32_t DecalageDEre(std::string_view nomTape) {
    if (nomTape.empty()) return 0;
    for (int slot = 1; slot <= ReglagesDate.NomsEres.Taille && !ReglagesDate.NomsEres[slot].EstVide(); ++slot)
        if (ContientNom(ReglagesDate.NomsEres[slot].Vue(), nomTape)) return ReglagesDate.DecalagesEres[slot];
    return 0;
}

std::uint16_t AnneeDEre(std::uint16_t annee, std::int32_t& decalageEre) {
    if (ReglagesDate.LanguePrincipale == Locale::LangueCoreen) {
        std::int64_t anneeComplete = annee;
        if (annee <= 99) {
            const std::int64_t decalageAbsolu = decalageEre < 0 ? -std::int64_t{decalageEre} : decalageEre;
            anneeComplete += ((AnneeCourante() + decalageAbsolu) / 100) * 100;
        }
        if (decalageEre > 0) decalageEre = -decalageEre;
        return Modulo65536(anneeComplete + decalageEre);
    }
    decalageEre -= 1;
    return Modulo65536(std::int64_t{annee} + decalageEre);
}
