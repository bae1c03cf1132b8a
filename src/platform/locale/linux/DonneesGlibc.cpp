// Reading glibc's LC_TIME data with newlocale / nl_langinfo_l (never through
// the process's global locale) and translating the date format.
#include "platform/locale/linux/DonneesGlibc.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace {

// A locale object of glibc for the time of a reading.
class LocaleGlibc {
public:
    explicit LocaleGlibc(const std::string& nom) : locale_(newlocale(LC_ALL_MASK, nom.c_str(), locale_t{})) {}
    ~LocaleGlibc() {
        if (locale_) freelocale(locale_);
    }
    LocaleGlibc(const LocaleGlibc&) = delete;
    LocaleGlibc& operator=(const LocaleGlibc&) = delete;

    bool Existe() const { return locale_ != locale_t{}; }
    const char* Element(nl_item element) const { return nl_langinfo_l(element, locale_); }
    // A word item of glibc: only the low 32 bits of the answer hold it.
    std::size_t NombreEres() const {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Element(_NL_TIME_ERA_NUM_ENTRIES)));
    }

private:
    locale_t locale_;
};

// Day, month and year: the fields that the date separator stands between.
bool EstChampDate(char conversion) { return conversion != '\0' && std::strchr("demyYbBhgG", conversion) != nullptr; }

// The pattern letters of one conversion; empty for one that has none.
std::string_view LettresConversion(char conversion, bool sansRemplissage, bool modifieE) {
    switch (conversion) {
    case 'd': return sansRemplissage ? "d" : "dd";
    case 'e': return "d";
    case 'm': return sansRemplissage ? "M" : "MM";
    case 'y':
    case 'g': return "yy";
    case 'Y':
    case 'G': return "yyyy";
    case 'b':
    case 'h': return "MMM";
    case 'B': return "MMMM";
    case 'a': return "ddd";
    case 'A': return "dddd";
    case 'C': return modifieE ? "gg" : "";  // %EC is the era name
    default: return "";
    }
}

std::string DevelopeComposees(std::string_view format) {
    std::string resultat;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == 'D' || format[i + 1] == 'F')) {
            resultat += format[i + 1] == 'D' ? "%m/%d/%y" : "%Y-%m-%d";
            ++i;
        } else {
            resultat += format[i];
            if (format[i] == '%' && i + 1 < format.size()) resultat += format[++i];
        }
    }
    return resultat;
}

bool EstLettreAscii(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Literal text as the pattern writes it: ASCII letters between quotes, a
// quote doubled.
void AjouteLitteral(std::string& modele, std::string_view litteral) {
    bool entreGuillemets = false;
    for (char c : litteral) {
        if (EstLettreAscii(c) != entreGuillemets) {
            modele += '\'';
            entreGuillemets = !entreGuillemets;
        }
        modele += c;
        if (c == '\'') modele += '\'';
    }
    if (entreGuillemets) modele += '\'';
}

// The separator without the blanks around it; nothing usable when it is only
// blanks, which a date reading skips.
std::optional<std::string> SeparateurSansBlancs(std::string_view litteral) {
    const auto debut = litteral.find_first_not_of(' ');
    if (debut == std::string_view::npos) return litteral.empty() ? std::optional<std::string>("") : std::nullopt;
    const auto fin = litteral.find_last_not_of(' ');
    return std::string(litteral.substr(debut, fin - debut + 1));
}

struct Conversion {
    char Lettre;
    bool SansRemplissage;  // the "-" flag
    bool ModifieE;         // the E modifier
};

// The conversion that begins with the "%" at the position, which ends on its
// last character; nothing when the format ends first. A "%%", "%n" or "%t"
// is not a conversion: the caller meets it as the character it stands for.
std::optional<Conversion> LitConversion(std::string_view format, std::size_t& i) {
    Conversion conversion{'\0', false, false};
    ++i;
    while (i < format.size() && std::string_view("-_0^#").find(format[i]) != std::string_view::npos) {
        conversion.SansRemplissage = conversion.SansRemplissage || format[i] == '-';
        ++i;
    }
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
    conversion.ModifieE = i < format.size() && format[i] == 'E';
    if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
    if (i >= format.size()) return std::nullopt;
    conversion.Lettre = format[i];
    return conversion;
}

// The pattern and separator built while a format is walked. A weekday before
// the first date field is left out with the text after it, so that the first
// field of the pattern is the day, month or year.
class Traduction {
public:
    void AjouteCaractere(char c) { litteral_ += c; }

    void AjouteConversion(const Conversion& conversion) {
        switch (conversion.Lettre) {
        case '%': litteral_ += '%'; return;
        case 'n': litteral_ += '\n'; return;
        case 't': litteral_ += '\t'; return;
        default: break;
        }
        TermineLitteral();
        if (champsDate_ == 0 && (conversion.Lettre == 'a' || conversion.Lettre == 'A')) {
            sauteLitteral_ = true;
            return;
        }
        traduit_.Modele += LettresConversion(conversion.Lettre, conversion.SansRemplissage, conversion.ModifieE);
        if (EstChampDate(conversion.Lettre) && ++champsDate_ == 2)
            traduit_.Separateur = SeparateurSansBlancs(separateur_);
    }

    FormatDateTraduit Termine() {
        TermineLitteral();
        return std::move(traduit_);
    }

private:
    void TermineLitteral() {
        if (!sauteLitteral_) AjouteLitteral(traduit_.Modele, litteral_);
        if (champsDate_ == 1) separateur_ += litteral_;
        sauteLitteral_ = false;
        litteral_.clear();
    }

    FormatDateTraduit traduit_;
    std::string litteral_;
    std::string separateur_;
    int champsDate_ = 0;
    bool sauteLitteral_ = false;
};

// A text of the locale's character set in UTF-8; what cannot be converted
// is dropped.
std::string EnUtf8(const char* texte, const char* jeuDeCaracteres) {
    if (std::strcmp(jeuDeCaracteres, "UTF-8") == 0 || std::strcmp(jeuDeCaracteres, "ANSI_X3.4-1968") == 0) return texte;
    const iconv_t cd = iconv_open("UTF-8", jeuDeCaracteres);
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::string sortie;
    char* entree = const_cast<char*>(texte);
    std::size_t resteEntree = std::strlen(texte);
    while (resteEntree > 0) {
        char tampon[1024];
        char* ecrit = tampon;
        std::size_t place = sizeof tampon;
        const std::size_t r = iconv(cd, &entree, &resteEntree, &ecrit, &place);
        sortie.append(tampon, static_cast<std::size_t>(ecrit - tampon));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ++entree;
            --resteEntree;
        }
    }
    iconv_close(cd);
    return sortie;
}

std::optional<std::int32_t> LitEntier(std::string_view texte) {
    std::int32_t valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
    return valeur;
}

// The fields of a description separated by ':'.
std::vector<std::string_view> Champs(std::string_view description) {
    std::vector<std::string_view> champs;
    for (std::size_t debut = 0;;) {
        const auto deuxPoints = description.find(':', debut);
        champs.push_back(description.substr(debut, deuxPoints - debut));
        if (deuxPoints == std::string_view::npos) return champs;
        debut = deuxPoints + 1;
    }
}

// The year of a date "yyyy/mm/dd", possibly negative; nothing for "+*" or "-*".
std::optional<std::int32_t> AnneeDeDate(std::string_view date) { return LitEntier(date.substr(0, date.find('/', 1))); }

}  // namespace

FormatDateTraduit TraduitFormatGlibc(std::string_view format) {
    const std::string developpe = DevelopeComposees(format);
    Traduction traduction;
    for (std::size_t i = 0; i < developpe.size(); ++i) {
        if (developpe[i] != '%') {
            traduction.AjouteCaractere(developpe[i]);
        } else if (const auto conversion = LitConversion(developpe, i)) {
            traduction.AjouteConversion(*conversion);
        }
    }
    return traduction.Termine();
}

std::optional<EreGlibc> LitEreGlibc(std::string_view description) {
    const auto champs = Champs(description);
    if (champs.size() < 5 || (champs[0] != "+" && champs[0] != "-") || champs[4].empty()) return std::nullopt;
    const auto decalage = LitEntier(champs[1]);
    const auto debut = AnneeDeDate(champs[2]);
    if (!decalage || !debut) return std::nullopt;
    // The era counts its years away from its start, forward or backward in
    // time as its end lies; "-" counts them toward the start instead.
    const auto fin = AnneeDeDate(champs[3]);
    const bool versLePasse = champs[3] == "-*" || (fin && *fin < *debut);
    const std::int64_t sens = (champs[0] == "+" ? 1 : -1) * (versLePasse ? -1 : 1);
    const std::int64_t premiereAnnee = *debut - sens * (static_cast<std::int64_t>(*decalage) - 1);
    if (premiereAnnee < INT32_MIN || premiereAnnee > INT32_MAX) return std::nullopt;
    return EreGlibc{std::string(champs[4]), static_cast<std::int32_t>(premiereAnnee)};
}

std::vector<EreGlibc> EresDistinctes(const std::vector<std::string>& descriptions) {
    std::vector<EreGlibc> eres;
    for (const std::string& description : descriptions) {
        auto ere = LitEreGlibc(description);
        if (!ere) continue;
        bool dejaVue = false;
        for (const EreGlibc& vue : eres) dejaVue = dejaVue || vue.Nom == ere->Nom;
        if (!dejaVue) eres.push_back(std::move(*ere));
    }
    return eres;
}

bool LocaleInstallee(const std::string& nomLocale) { return LocaleGlibc(nomLocale).Existe(); }

std::optional<DonneesLocaleGlibc> LitDonneesGlibc(const std::string& nomLocale) {
    const LocaleGlibc locale(nomLocale);
    if (!locale.Existe()) return std::nullopt;
    const char* jeu = locale.Element(CODESET);
    DonneesLocaleGlibc donnees;
    donnees.FormatCourt = TraduitFormatGlibc(EnUtf8(locale.Element(D_FMT), jeu));
    donnees.SymboleAM = EnUtf8(locale.Element(AM_STR), jeu);
    donnees.SymbolePM = EnUtf8(locale.Element(PM_STR), jeu);
    std::vector<std::string> descriptions;
    const char* description = locale.Element(ERA);
    const std::size_t nombre = locale.NombreEres();
    for (std::size_t i = 0; i < nombre && description && *description; ++i) {
        descriptions.push_back(EnUtf8(description, jeu));
        description += std::strlen(description) + 1;
    }
    donnees.Eres = EresDistinctes(descriptions);
    return donnees;
}
