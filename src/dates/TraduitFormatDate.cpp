// Translation of the locale's short date pattern into the pattern that date
// recognition reads.
#include "dates/LectureLocale.h"

#include "commun/ReglagesDate.h"
#include "platform/locale/ServicesLocale.h"

#include <algorithm>

namespace {

char MinusculeAscii(unsigned char c) { return static_cast<char>((c >= 'A' && c <= 'Z') ? c + 32 : c); }

// Whether the pattern holds the lower-case letters at the position, the
// pattern's letters compared without case.
bool CommencePar(std::string_view modele, std::size_t position, std::string_view lettres) {
    if (modele.size() - position < lettres.size()) return false;
    for (std::size_t i = 0; i < lettres.size(); ++i)
        if (MinusculeAscii(static_cast<unsigned char>(modele[position + i])) != lettres[i]) return false;
    return true;
}

// The years of the pattern counted in the era, the era name written "ggg".
Texte TraduitEnEres(std::string_view modele) {
    Texte resultat;
    for (std::size_t position = 0; position < modele.size();) {
        const auto octet = static_cast<unsigned char>(modele[position]);
        if (ReglagesDate.EstOctetDeTete(octet)) {
            const std::size_t longueur =
                std::min<std::size_t>(static_cast<std::size_t>(std::max(
                                          1, ServicesLocaleCourants().LongueurCaractere(modele.substr(position)))),
                                      modele.size() - position);
            resultat += Texte(modele.substr(position, longueur));
            position += longueur;
        } else if (CommencePar(modele, position, "gg")) {
            resultat += "ggg";
            position += 2;
        } else if (CommencePar(modele, position, "yyyy")) {
            resultat += "eeee";
            position += 4;
        } else if (CommencePar(modele, position, "yy")) {
            resultat += "ee";
            position += 2;
        } else if (CommencePar(modele, position, "y")) {
            resultat += 'e';
            position += 1;
        } else {
            resultat += static_cast<char>(octet);
            position += 1;
        }
    }
    return resultat;
}

bool EffaceEres(std::uint32_t langue) {
    return langue == Locale::LangueChinois || langue == Locale::LangueJaponais || langue == Locale::LangueCoreen;
}

}  // namespace

bool EstCalendrierAEres(std::int32_t calendrier) {
    return calendrier == Locale::CalJapon || calendrier == Locale::CalTaiwan || calendrier == Locale::CalCoree;
}

Texte TraduitFormatDate(const Texte& modele) {
    if (EstCalendrierAEres(LitNombreLocale(Locale::ICalendarType, "1", 1))) return TraduitEnEres(modele.Vue());
    if (!EffaceEres(ReglagesDate.LanguePrincipale)) return modele;
    std::string sansG = modele.Octets();
    std::erase_if(sansG, [](char c) { return c == 'g' || c == 'G'; });
    return Texte(std::move(sansG));
}
