// The record of regional date settings and its loading from the platform's
// locale: language and Far-East flag, lead bytes, era tables, separator,
// short date pattern and time designators.
#include "dates/ChargeReglagesDate.h"

#include "dates/LectureLocale.h"
#include "platform/locale/ServicesLocale.h"

#include <algorithm>

namespace {

// Primary languages whose character set is never examined: neutral, Danish,
// German, English, Spanish, Finnish, French, Italian, Dutch, Norwegian,
// Portuguese and Swedish.
constexpr std::uint32_t LanguesOccidentales[] = {0x00, 0x06, 0x07, Locale::LangueAnglais, 0x0A, 0x0B, 0x0C, 0x10, 0x13,
                                                 0x14, 0x16, 0x1D};

bool EstLangueOccidentale(std::uint32_t langue) { return std::ranges::count(LanguesOccidentales, langue) != 0; }

void ChargeOctetsDeTete() {
    std::array<unsigned char, 12> plages{};
    if (!ServicesLocaleCourants().GetCPInfo(PageDeCodeLocale(ReglagesDate.IdLocale), plages)) return;
    for (std::size_t i = 0; i + 1 < plages.size(); i += 2) {
        const unsigned premier = plages[i];
        const unsigned dernier = plages[i + 1];
        if (premier == 0 && dernier == 0) break;
        for (unsigned octet = premier; octet <= dernier; ++octet) ReglagesDate.OctetsDeTete.set(octet);
    }
}

// IdLocale and LanguePrincipale from the thread's locale; United States
// English when it gives none.
void ChargeLocale() {
    ReglagesDate.IdLocale = Locale::AnglaisEtatsUnis;
    ReglagesDate.LanguePrincipale = Locale::LangueAnglais;
    if (const std::uint32_t locale = ServicesLocaleCourants().GetThreadLocale(); locale != 0) {
        ReglagesDate.IdLocale = locale;
        if ((locale & 0xFFFF) != 0) ReglagesDate.LanguePrincipale = locale & 0x3FF;
    }
}

// ExtremeOrient and OctetsDeTete: on the NT family from the locale's code
// page, unless the language is western; elsewhere from the system's flag.
void ChargeExtremeOrient() {
    ServicesLocale& services = ServicesLocaleCourants();
    ReglagesDate.OctetsDeTete.reset();
    if (services.IdentifiantPlateforme() == Locale::PlateformeNT) {
        if (EstLangueOccidentale(ReglagesDate.LanguePrincipale)) {
            ReglagesDate.ExtremeOrient = false;
            return;
        }
        ChargeOctetsDeTete();
        ReglagesDate.ExtremeOrient = ReglagesDate.OctetsDeTete.any();
    } else {
        ReglagesDate.ExtremeOrient = services.GetSystemMetrics(Locale::SmDbcsEnabled) != 0;
        if (ReglagesDate.ExtremeOrient) ChargeOctetsDeTete();
    }
}

void ChargeNomsEres(std::uint32_t calendrier) {
    ServicesLocaleCourants().EnumCalendarInfoA(
        [](const char* nom) {
            for (int slot = 1; slot <= ReglagesDate.NomsEres.Taille; ++slot) {
                if (ReglagesDate.NomsEres[slot].EstVide()) {
                    ReglagesDate.NomsEres[slot] = Texte(nom);
                    return true;
                }
            }
            return false;
        },
        ServicesLocaleCourants().GetThreadLocale(), calendrier, Locale::CalSEraString);
}

void ChargeDecalagesEres(std::uint32_t calendrier) {
    ReglagesDate.DecalagesEres.Remplit(-1);
    ServicesLocaleCourants().EnumCalendarInfoA(
        [](const char* decalage) {
            for (int slot = 1; slot <= ReglagesDate.DecalagesEres.Taille; ++slot) {
                if (ReglagesDate.DecalagesEres[slot] == -1) {
                    ReglagesDate.DecalagesEres[slot] = LitEntierLocale(decalage).value_or(0);
                    return true;
                }
            }
            return false;
        },
        ServicesLocaleCourants().GetThreadLocale(), calendrier, Locale::CalIYearOffsetRange);
}

void ChargeTablesEres() {
    const std::int32_t calendrier = LitNombreLocale(Locale::IOptionalCalendar, "1", 1);
    if (!EstCalendrierAEres(calendrier)) return;
    // Names of another locale's calendar must not stay beside these offsets.
    ReglagesDate.NomsEres.Remplit(Texte());
    ChargeNomsEres(static_cast<std::uint32_t>(calendrier));
    ChargeDecalagesEres(static_cast<std::uint32_t>(calendrier));
}

}  // namespace

void ChargeReglagesDate() {
    ChargeLocale();
    ChargeExtremeOrient();
    if (ReglagesDate.ExtremeOrient) ChargeTablesEres();
    const std::uint32_t locale = ServicesLocaleCourants().GetThreadLocale();
    ReglagesDate.SeparateurDate = LitCaractereLocale(locale, Locale::SDate, '/');
    ReglagesDate.FormatDateCourt = TraduitFormatDate(LitTexteLocale(locale, Locale::SShortDate, "m/d/yy"));
    ReglagesDate.SymboleAM = LitTexteLocale(locale, Locale::S1159, "am");
    ReglagesDate.SymbolePM = LitTexteLocale(locale, Locale::S2359, "pm");
}

void RechargeReglagesUtilisateur() {
    ServicesLocaleCourants().SetThreadLocale(Locale::UtilisateurParDefaut);
    ChargeReglagesDate();
}
