// Fixed tables from Linux locale names to the platform's language numbers and
// code pages, and the lead bytes of the double-byte code pages.
#include "platform/locale/linux/CatalogueLangues.h"

#include "platform/locale/ServicesLocale.h"

#include <algorithm>

namespace {

struct Langue {
    std::string_view Code;
    std::uint32_t Identifiant;
    std::uint32_t PageDeCode;  // 0: no 8-bit code page
};

// Sorted by code, for the binary search.
constexpr Langue Langues[] = {
    {"af", 0x36, 1252},  {"am", 0x5E, 0},     {"ar", 0x01, 1256},  {"as", 0x4D, 0},     {"az", 0x2C, 1254},
    {"ba", 0x6D, 1251},  {"be", 0x23, 1251},  {"bg", 0x02, 1251},  {"bn", 0x45, 0},     {"bo", 0x51, 0},
    {"br", 0x7E, 1252},  {"bs", 0x1A, 1250},  {"ca", 0x03, 1252},  {"co", 0x83, 1252},  {"cs", 0x05, 1250},
    {"cy", 0x52, 1252},  {"da", 0x06, 1252},  {"de", 0x07, 1252},  {"dv", 0x65, 0},     {"el", 0x08, 1253},
    {"en", 0x09, 1252},  {"es", 0x0A, 1252},  {"et", 0x25, 1257},  {"eu", 0x2D, 1252},  {"fa", 0x29, 1256},
    {"fi", 0x0B, 1252},  {"fil", 0x64, 1252}, {"fo", 0x38, 1252},  {"fr", 0x0C, 1252},  {"fy", 0x62, 1252},
    {"ga", 0x3C, 1252},  {"gd", 0x91, 1252},  {"gl", 0x56, 1252},  {"gu", 0x47, 0},     {"ha", 0x68, 1252},
    {"he", 0x0D, 1255},  {"hi", 0x39, 0},     {"hr", 0x1A, 1250},  {"hsb", 0x2E, 1252}, {"hu", 0x0E, 1250},
    {"hy", 0x2B, 0},     {"id", 0x21, 1252},  {"ig", 0x70, 1252},  {"is", 0x0F, 1252},  {"it", 0x10, 1252},
    {"ja", 0x11, 932},   {"ka", 0x37, 0},     {"kk", 0x3F, 1251},  {"kl", 0x6F, 1252},  {"km", 0x53, 0},
    {"kn", 0x4B, 0},     {"ko", 0x12, 949},   {"kok", 0x57, 0},    {"ky", 0x40, 1251},  {"lb", 0x6E, 1252},
    {"lo", 0x54, 0},     {"lt", 0x27, 1257},  {"lv", 0x26, 1257},  {"mi", 0x81, 0},     {"mk", 0x2F, 1251},
    {"ml", 0x4C, 0},     {"mn", 0x50, 1251},  {"mr", 0x4E, 0},     {"ms", 0x3E, 1252},  {"mt", 0x3A, 0},
    {"nb", 0x14, 1252},  {"ne", 0x61, 0},     {"nl", 0x13, 1252},  {"nn", 0x14, 1252},  {"no", 0x14, 1252},
    {"nso", 0x6C, 1252}, {"oc", 0x82, 1252},  {"or", 0x48, 0},     {"pa", 0x46, 0},     {"pl", 0x15, 1250},
    {"ps", 0x63, 0},     {"pt", 0x16, 1252},  {"rm", 0x17, 1252},  {"ro", 0x18, 1250},  {"ru", 0x19, 1251},
    {"rw", 0x87, 1252},  {"sa", 0x4F, 0},     {"sah", 0x85, 1251}, {"se", 0x3B, 1252},  {"si", 0x5B, 0},
    {"sk", 0x1B, 1250},  {"sl", 0x24, 1250},  {"sq", 0x1C, 1250},  {"sr", 0x1A, 1251},  {"sv", 0x1D, 1252},
    {"sw", 0x41, 1252},  {"ta", 0x49, 0},     {"te", 0x4A, 0},     {"tg", 0x28, 1251},  {"th", 0x1E, 874},
    {"tk", 0x42, 1250},  {"tn", 0x32, 1252},  {"tr", 0x1F, 1254},  {"tt", 0x44, 1251},  {"ug", 0x80, 1256},
    {"uk", 0x22, 1251},  {"ur", 0x20, 1256},  {"uz", 0x43, 1254},  {"vi", 0x2A, 1258},  {"wo", 0x88, 1252},
    {"xh", 0x34, 1252},  {"yo", 0x6A, 1252},  {"zh", 0x04, 936},   {"zu", 0x35, 1252},
};

static_assert(std::is_sorted(std::begin(Langues), std::end(Langues),
                             [](const Langue& a, const Langue& b) { return a.Code < b.Code; }));

constexpr Langue LangueC{"C", Locale::LangueAnglais, 1252};

constexpr const Langue* ChercheLangue(std::string_view code) {
    if (code == "C") return &LangueC;
    const auto* fin = std::end(Langues);
    const auto* trouve = std::lower_bound(std::begin(Langues), fin, code,
                                          [](const Langue& l, std::string_view c) { return l.Code < c; });
    return trouve != fin && trouve->Code == code ? trouve : nullptr;
}

// The languages that the tool's rules name are the catalogue's.
static_assert(ChercheLangue("en")->Identifiant == Locale::LangueAnglais);
static_assert(ChercheLangue("ja")->Identifiant == Locale::LangueJaponais);
static_assert(ChercheLangue("ko")->Identifiant == Locale::LangueCoreen);
static_assert(ChercheLangue("zh")->Identifiant == Locale::LangueChinois);

constexpr std::uint32_t PagesSimples[] = {437, 737, 775, 850, 852,  855,  857,  858,  860,  861,  862,  863,  864,
                                          865, 866, 869, 874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

}  // namespace

NomLocale DecomposeNomLocale(std::string_view nom) {
    NomLocale parties;
    if (const auto arobase = nom.find('@'); arobase != std::string_view::npos) {
        parties.Modificateur = nom.substr(arobase + 1);
        nom = nom.substr(0, arobase);
    }
    if (const auto point = nom.find('.'); point != std::string_view::npos) {
        parties.JeuDeCaracteres = nom.substr(point + 1);
        nom = nom.substr(0, point);
    }
    if (const auto souligne = nom.find('_'); souligne != std::string_view::npos) {
        parties.Territoire = nom.substr(souligne + 1);
        nom = nom.substr(0, souligne);
    }
    parties.Langue = (nom.empty() || nom == "POSIX") ? "C" : std::string(nom);
    return parties;
}

std::uint32_t LanguePrincipaleLocale(std::string_view nom) {
    const Langue* langue = ChercheLangue(DecomposeNomLocale(nom).Langue);
    return langue ? langue->Identifiant : 0;
}

std::uint32_t PageDeCodeLangue(std::string_view nom) {
    const NomLocale parties = DecomposeNomLocale(nom);
    if (parties.Langue == "zh" &&
        (parties.Territoire == "TW" || parties.Territoire == "HK" || parties.Territoire == "MO"))
        return 950;
    if (parties.Langue == "sr" && parties.Modificateur == "latin") return 1250;
    if (parties.Langue == "uz" && parties.Modificateur == "cyrillic") return 1251;
    const Langue* langue = ChercheLangue(parties.Langue);
    return langue ? langue->PageDeCode : 0;
}

bool PageDeCodeConnue(std::uint32_t pageDeCode) {
    return pageDeCode == 932 || pageDeCode == 936 || pageDeCode == 949 || pageDeCode == 950 ||
           std::find(std::begin(PagesSimples), std::end(PagesSimples), pageDeCode) != std::end(PagesSimples);
}

std::array<unsigned char, 12> PlagesOctetsDeTete(std::uint32_t pageDeCode) {
    switch (pageDeCode) {
    case 932: return {0x81, 0x9F, 0xE0, 0xFC};
    case 936:
    case 949:
    case 950: return {0x81, 0xFE};
    default: return {};
    }
}

bool EstOctetDeTete(std::uint32_t pageDeCode, unsigned char octet) {
    const auto plages = PlagesOctetsDeTete(pageDeCode);
    for (std::size_t i = 0; i + 1 < plages.size() && (plages[i] | plages[i + 1]) != 0; i += 2)
        if (octet >= plages[i] && octet <= plages[i + 1]) return true;
    return false;
}
