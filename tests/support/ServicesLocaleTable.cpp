// The table-driven locale services for tests.
#include "support/ServicesLocaleTable.h"

#include <cstring>

namespace {

char MinusculeAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

ServicesLocaleTable ServicesLocaleTable::Francais(std::uint16_t annee) {
    ServicesLocaleTable table;
    table.Annee = annee;
    table.Definit(Locale::SDate, "/");
    table.Definit(Locale::SShortDate, "dd/MM/yyyy");
    table.Definit(Locale::S1159, "");
    table.Definit(Locale::S2359, "");
    table.Definit(Locale::IDefaultAnsiCodePage, "1252");
    table.Definit(Locale::ICalendarType, "1");
    table.Definit(Locale::IOptionalCalendar, "1");
    table.OctetsDeTeteParPage[1252] = {};
    return table;
}

void ServicesLocaleTable::Definit(std::uint32_t item, std::string valeur) {
    Elements[LocaleThread][item] = std::move(valeur);
}

void ServicesLocaleTable::Retire(std::uint32_t item) { Elements[LocaleThread].erase(item); }

void ServicesLocaleTable::DefinitCalendrier(std::uint32_t calendrier, std::uint32_t item,
                                            std::vector<std::string> valeurs) {
    Calendriers[{calendrier, item}] = std::move(valeurs);
}

std::uint32_t ServicesLocaleTable::GetThreadLocale() { return LocaleThread; }

void ServicesLocaleTable::SetThreadLocale(std::uint32_t idLocale) {
    LocaleThread = idLocale == Locale::UtilisateurParDefaut ? LocaleUtilisateur : idLocale;
}

int ServicesLocaleTable::GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) {
    const auto locale = Elements.find(idLocale == Locale::UtilisateurParDefaut ? LocaleUtilisateur : idLocale);
    if (locale == Elements.end()) return 0;
    const auto element = locale->second.find(item);
    if (element == locale->second.end()) return 0;
    const int necessaire = static_cast<int>(element->second.size()) + 1;
    if (taille == 0) return necessaire;
    if (necessaire > taille) return 0;
    std::memcpy(place, element->second.c_str(), static_cast<std::size_t>(necessaire));
    return necessaire;
}

bool ServicesLocaleTable::EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t,
                                            std::uint32_t calendrier, std::uint32_t item) {
    const auto valeurs = Calendriers.find({calendrier, item});
    if (valeurs == Calendriers.end()) return false;
    for (const std::string& valeur : valeurs->second)
        if (!rappel(valeur.c_str())) break;
    return true;
}

bool ServicesLocaleTable::GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) {
    const auto plages = OctetsDeTeteParPage.find(pageDeCode);
    if (plages == OctetsDeTeteParPage.end()) return false;
    octetsDeTete.fill(0);
    for (std::size_t i = 0; i < plages->second.size() && 2 * i + 1 < octetsDeTete.size(); ++i) {
        octetsDeTete[2 * i] = plages->second[i].first;
        octetsDeTete[2 * i + 1] = plages->second[i].second;
    }
    return true;
}

std::uint32_t ServicesLocaleTable::GetACP() { return PageSysteme; }

int ServicesLocaleTable::GetSystemMetrics(int index) { return index == Locale::SmDbcsEnabled ? DoubleOctetActif : 0; }

std::optional<std::uint32_t> ServicesLocaleTable::IdentifiantPlateforme() { return Plateforme; }

int ServicesLocaleTable::LongueurCaractere(std::string_view reste) {
    if (reste.size() < 2 || reste[1] == '\0') return 1;
    const auto octet = static_cast<unsigned char>(reste[0]);
    const auto plages = OctetsDeTeteParPage.find(PageSysteme);
    if (plages == OctetsDeTeteParPage.end()) return 1;
    for (const auto& [premier, dernier] : plages->second)
        if (octet >= premier && octet <= dernier) return 2;
    return 1;
}

int ServicesLocaleTable::CompareStringA(std::uint32_t, std::uint32_t options, std::string_view a, std::string_view b) {
    const bool ignoreCasse = (options & Locale::NormIgnoreCase) != 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto x = static_cast<unsigned char>(ignoreCasse ? MinusculeAscii(a[i]) : a[i]);
        const auto y = static_cast<unsigned char>(ignoreCasse ? MinusculeAscii(b[i]) : b[i]);
        if (x != y) return x < y ? 1 : 3;
    }
    return a.size() == b.size() ? Locale::CstrEqual : a.size() < b.size() ? 1 : 3;
}

std::uint16_t ServicesLocaleTable::AnneeLocale() { return Annee; }
