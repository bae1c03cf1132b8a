// Locale items read through the locale services, with their defaults.
#include "dates/LectureLocale.h"

#include "platform/locale/ServicesLocale.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>

namespace {

constexpr int TailleTexteLocale = 256;
constexpr int TaillePageDeCode = 7;

}  // namespace

Texte LitTexteLocale(std::uint32_t idLocale, std::uint32_t item, const Texte& parDefaut) {
    char valeur[TailleTexteLocale];
    const int ecrits = ServicesLocaleCourants().GetLocaleInfoA(idLocale, item, valeur, TailleTexteLocale);
    if (ecrits <= 0 || ecrits > TailleTexteLocale) return parDefaut;
    return Texte(std::string_view(valeur, static_cast<std::size_t>(ecrits - 1)));
}

unsigned char LitCaractereLocale(std::uint32_t idLocale, std::uint32_t item, unsigned char parDefaut) {
    char valeur[2] = {};
    const int ecrits = ServicesLocaleCourants().GetLocaleInfoA(idLocale, item, valeur, 2);
    return ecrits > 0 && ecrits <= 2 ? static_cast<unsigned char>(valeur[0]) : parDefaut;
}

std::optional<std::int32_t> LitEntierLocale(std::string_view texte) {
    texte.remove_prefix(std::min(texte.find_first_not_of(' '), texte.size()));
    bool negatif = false;
    if (!texte.empty() && (texte.front() == '-' || texte.front() == '+')) {
        negatif = texte.front() == '-';
        texte.remove_prefix(1);
    }
    int base = 10;
    for (std::string_view prefixe : {"0x", "0X", "$", "x", "X"}) {
        if (texte.starts_with(prefixe)) {
            texte.remove_prefix(prefixe.size());
            base = 16;
            break;
        }
    }
    std::uint64_t absolu = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), absolu, base);
    if (texte.empty() || erreur != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
    if (absolu > (1ULL << 31)) return std::nullopt;
    const std::int64_t valeur = negatif ? -static_cast<std::int64_t>(absolu) : static_cast<std::int64_t>(absolu);
    if (valeur < INT32_MIN || valeur > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(valeur);
}

std::int32_t LitNombreLocale(std::uint32_t item, const Texte& texteParDefaut, std::int32_t parDefaut) {
    const Texte texte = LitTexteLocale(ServicesLocaleCourants().GetThreadLocale(), item, texteParDefaut);
    return LitEntierLocale(texte.Vue()).value_or(parDefaut);
}

std::uint32_t PageDeCodeLocale(std::uint32_t idLocale) {
    ServicesLocale& services = ServicesLocaleCourants();
    char valeur[TaillePageDeCode] = {};
    if (services.GetLocaleInfoA(idLocale, Locale::IDefaultAnsiCodePage, valeur, TaillePageDeCode) > 0) {
        const auto page = LitEntierLocale(std::string_view(valeur, strnlen(valeur, TaillePageDeCode)));
        if (page) return static_cast<std::uint32_t>(*page);
    }
    return services.GetACP();
}
