// Answers of the locale services from glibc: locale items, eras, code pages,
// the comparison of texts and the clock.
#include "platform/locale/linux/ServicesLocaleLinux.h"

#include "platform/locale/linux/CatalogueLangues.h"
#include "platform/locale/linux/DonneesGlibc.h"
#include "platform/locale/linux/LocaleUtilisateur.h"
#include "platform/pagedecode/PageDeCode.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <locale.h>
#include <stdexcept>
#include <wctype.h>

namespace {

constexpr std::uint32_t SystemeParDefaut = 0x800;
constexpr std::uint32_t SousLangueParDefaut = 1 << 10;

bool EstDoubleOctet(std::uint32_t pageDeCode) { return PlagesOctetsDeTete(pageDeCode)[0] != 0; }

std::uint32_t PageDeCodeSysteme(const std::string& localeCaracteres) {
    const std::uint32_t page = PageDeCodeLangue(localeCaracteres);
    return page != 0 ? page : 1252;
}

std::optional<std::string> ElementDate(const DonneesLocaleGlibc& donnees, std::uint32_t item) {
    switch (item) {
    case Locale::SDate: return donnees.FormatCourt.Separateur;
    case Locale::SShortDate: return donnees.FormatCourt.Modele;
    case Locale::S1159: return donnees.SymboleAM;
    case Locale::S2359: return donnees.SymbolePM;
    default: return std::nullopt;
    }
}

bool EstAscii(std::string_view texte) {
    return std::all_of(texte.begin(), texte.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char MinusculeAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// The code points of a UTF-8 text (well formed, as VersUtf8 writes it).
std::u32string PointsDeCode(std::string_view utf8) {
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto octet = static_cast<unsigned char>(utf8[i]);
        const int suite = octet >= 0xF0 ? 3 : octet >= 0xE0 ? 2 : octet >= 0xC0 ? 1 : 0;
        char32_t point = suite == 0 ? octet : static_cast<char32_t>(octet & (0x3Fu >> suite));
        for (int k = 1; k <= suite && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        points += point;
        i += static_cast<std::size_t>(suite) + 1;
    }
    return points;
}

locale_t LocaleMinuscules() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

// The characters of a text to compare, folded to lower case when asked;
// nothing when iconv cannot read the code page.
std::optional<std::u32string> PourComparaison(std::string_view octets, std::uint32_t pageDeCode, bool ignoreCasse) {
    std::u32string points;
    try {
        points = PointsDeCode(VersUtf8(octets, pageDeCode));
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    if (ignoreCasse && LocaleMinuscules())
        for (char32_t& point : points)
            point = static_cast<char32_t>(towlower_l(static_cast<wint_t>(point), LocaleMinuscules()));
    return points;
}

// A UTF-8 text of glibc in the code page; nothing when iconv cannot write it.
std::optional<std::string> DansLaPage(std::string_view utf8, std::uint32_t pageDeCode) {
    try {
        return DepuisUtf8(utf8, pageDeCode).Octets();
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

// Byte order of two texts, ASCII letters folded when asked: negative, 0 or
// positive.
int CompareAscii(std::string_view a, std::string_view b, bool ignoreCasse) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto x = static_cast<unsigned char>(ignoreCasse ? MinusculeAscii(a[i]) : a[i]);
        const auto y = static_cast<unsigned char>(ignoreCasse ? MinusculeAscii(b[i]) : b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

int ResultatComparaison(int signe) { return signe < 0 ? 1 : signe == 0 ? Locale::CstrEqual : 3; }

}  // namespace

std::uint32_t CalendrierOptionnelLocale(const std::string& nom) {
    const auto donnees = LitDonneesGlibc(nom);
    if (!donnees || donnees->Eres.empty()) return 1;
    switch (LanguePrincipaleLocale(nom)) {
    case Locale::LangueJaponais: return Locale::CalJapon;
    case Locale::LangueChinois: return Locale::CalTaiwan;
    case Locale::LangueCoreen: return Locale::CalCoree;
    default: return 1;
    }
}

ServicesLocaleLinux::ServicesLocaleLinux()
    : ServicesLocaleLinux(LocaleDateEnvironnement(), LocaleCaracteresEnvironnement()) {}

ServicesLocaleLinux::ServicesLocaleLinux(std::string localeDate, std::string localeCaracteres)
    : localeDemarrage_(std::move(localeDate)),
      localeThread_(localeDemarrage_),
      pageDeCodeSysteme_(PageDeCodeSysteme(localeCaracteres)) {}

std::uint32_t ServicesLocaleLinux::IdentifiantLocale(const std::string& nom) {
    auto trouve = std::find(nomsConnus_.begin(), nomsConnus_.end(), nom);
    if (trouve == nomsConnus_.end()) trouve = nomsConnus_.insert(nomsConnus_.end(), nom);
    const auto numero = static_cast<std::uint32_t>(trouve - nomsConnus_.begin()) + 1;
    return (numero << 16) | SousLangueParDefaut | LanguePrincipaleLocale(nom);
}

std::string ServicesLocaleLinux::NomLocale(std::uint32_t idLocale) const {
    if (idLocale == Locale::UtilisateurParDefaut) return LocaleUtilisateurParDefaut(localeDemarrage_);
    if (idLocale == SystemeParDefaut) return localeDemarrage_;
    const std::uint32_t numero = idLocale >> 16;
    if (numero == 0 || numero > nomsConnus_.size()) return {};
    const std::string& nom = nomsConnus_[numero - 1];
    const bool memeLangue = (idLocale & 0xFFFF) == (SousLangueParDefaut | LanguePrincipaleLocale(nom));
    return memeLangue ? nom : std::string();
}

std::uint32_t ServicesLocaleLinux::GetThreadLocale() {
    if (!LocaleInstallee(localeThread_)) return 0;
    return IdentifiantLocale(localeThread_);
}

void ServicesLocaleLinux::SetThreadLocale(std::uint32_t idLocale) {
    if (std::string nom = NomLocale(idLocale); !nom.empty()) localeThread_ = std::move(nom);
}

std::uint32_t ServicesLocaleLinux::PageDeCodeTextes(const std::string& nom) const {
    const std::uint32_t page = PageDeCodeLangue(nom);
    return page != 0 ? page : pageDeCodeSysteme_;
}

std::optional<std::string> ServicesLocaleLinux::ValeurElement(const std::string& nom, std::uint32_t item) const {
    const auto donnees = LitDonneesGlibc(nom);
    if (!donnees) return std::nullopt;
    switch (item) {
    case Locale::IDefaultAnsiCodePage: return std::to_string(PageDeCodeLangue(nom));
    case Locale::ICalendarType: return "1";
    case Locale::IOptionalCalendar: return std::to_string(CalendrierOptionnelLocale(nom));
    default: break;
    }
    const auto valeur = ElementDate(*donnees, item);
    if (!valeur) return std::nullopt;
    return DansLaPage(*valeur, PageDeCodeTextes(nom));
}

int ServicesLocaleLinux::GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) {
    const std::string nom = NomLocale(idLocale);
    if (nom.empty() || taille < 0) return 0;
    const auto valeur = ValeurElement(nom, item);
    if (!valeur) return 0;
    const int necessaire = static_cast<int>(valeur->size()) + 1;
    if (taille == 0) return necessaire;
    if (necessaire > taille) return 0;
    std::memcpy(place, valeur->c_str(), static_cast<std::size_t>(necessaire));
    return necessaire;
}

bool ServicesLocaleLinux::EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t idLocale,
                                            std::uint32_t calendrier, std::uint32_t item) {
    const std::string nom = NomLocale(idLocale);
    if (nom.empty() || calendrier == 1 || calendrier != CalendrierOptionnelLocale(nom)) return false;
    if (item != Locale::CalSEraString && item != Locale::CalIYearOffsetRange) return false;
    const auto donnees = LitDonneesGlibc(nom);
    if (!donnees) return false;
    for (const EreGlibc& ere : donnees->Eres) {
        const std::string valeur = item == Locale::CalSEraString
                                       ? DansLaPage(ere.Nom, PageDeCodeTextes(nom)).value_or(std::string())
                                       : std::to_string(ere.DecalageAnnee);
        if (!rappel(valeur.c_str())) break;
    }
    return true;
}

bool ServicesLocaleLinux::GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) {
    if (pageDeCode == 0) pageDeCode = pageDeCodeSysteme_;
    if (!PageDeCodeConnue(pageDeCode)) return false;
    octetsDeTete = PlagesOctetsDeTete(pageDeCode);
    return true;
}

std::uint32_t ServicesLocaleLinux::GetACP() { return pageDeCodeSysteme_; }

int ServicesLocaleLinux::GetSystemMetrics(int index) {
    return index == Locale::SmDbcsEnabled && EstDoubleOctet(pageDeCodeSysteme_) ? 1 : 0;
}

std::optional<std::uint32_t> ServicesLocaleLinux::IdentifiantPlateforme() { return Locale::PlateformeNT; }

int ServicesLocaleLinux::LongueurCaractere(std::string_view reste) {
    const bool deuxOctets = reste.size() >= 2 && reste[1] != '\0' &&
                            ::EstOctetDeTete(pageDeCodeSysteme_, static_cast<unsigned char>(reste[0]));
    return deuxOctets ? 2 : 1;
}

int ServicesLocaleLinux::CompareStringA(std::uint32_t, std::uint32_t options, std::string_view a, std::string_view b) {
    const bool ignoreCasse = (options & Locale::NormIgnoreCase) != 0;
    if (EstAscii(a) && EstAscii(b)) return ResultatComparaison(CompareAscii(a, b, ignoreCasse));
    const auto pointsA = PourComparaison(a, pageDeCodeSysteme_, ignoreCasse);
    const auto pointsB = PourComparaison(b, pageDeCodeSysteme_, ignoreCasse);
    if (!pointsA || !pointsB) return ResultatComparaison(CompareAscii(a, b, ignoreCasse));
    return ResultatComparaison(pointsA->compare(*pointsB));
}

std::uint16_t ServicesLocaleLinux::AnneeLocale() {
    const std::time_t maintenant = std::time(nullptr);
    if (maintenant != secondeAnnee_) {
        std::tm local{};
        localtime_r(&maintenant, &local);
        anneeLue_ = static_cast<std::uint16_t>(local.tm_year + 1900);
        secondeAnnee_ = maintenant;
    }
    return anneeLue_;
}

ServicesLocale& ServicesLocalePlateforme() {
    static ServicesLocaleLinux services;
    return services;
}
