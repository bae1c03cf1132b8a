// A test double of the locale services that answers from tables which the
// test fills: locale items by locale and number, calendar items, lead-byte
// ranges by code page, the system code page, the platform identifier and the
// clock's year. Texts are given in the 8-bit code page, as the platform would
// give them. Typical use, through ReglagesInstalles (dates/ReglagesFrancais.h):
//
//     ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
//     table.Definit(Locale::SDate, "-");
//     ReglagesInstalles reglages(table);   // installs it and loads ReglagesDate
#pragma once

#include "platform/locale/ServicesLocale.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class ServicesLocaleTable : public ServicesLocale {
public:
    // The locales of the tests, each with its default sublanguage.
    static constexpr std::uint32_t LocaleFrancais = 0x040C;
    static constexpr std::uint32_t LocaleAllemand = 0x0407;
    static constexpr std::uint32_t LocaleJaponais = 0x0411;
    static constexpr std::uint32_t LocaleCoreen = 0x0412;
    static constexpr std::uint32_t LocaleTaiwan = 0x0404;

    // French (France): "dd/MM/yyyy", "/", no time designators, code page
    // 1252, Gregorian calendar, the NT platform, the clock in the given year.
    static ServicesLocaleTable Francais(std::uint16_t annee);

    // Sets an item of the thread's current locale (a value of 256 bytes or
    // more does not fit the room, as on the platform); Retire makes the
    // request refused.
    void Definit(std::uint32_t item, std::string valeur);
    void Retire(std::uint32_t item);
    // The values that an enumeration of a calendar item delivers, in order.
    void DefinitCalendrier(std::uint32_t calendrier, std::uint32_t item, std::vector<std::string> valeurs);

    // The thread's locale (0: the platform gives none) and the locale that
    // SetThreadLocale(UtilisateurParDefaut) moves the thread to.
    std::uint32_t LocaleThread = LocaleFrancais;
    std::uint32_t LocaleUtilisateur = LocaleFrancais;
    // Items by locale, then by item number; a missing item is refused.
    std::map<std::uint32_t, std::map<std::uint32_t, std::string>> Elements;
    // Calendar items by (calendar, item); a missing pair is refused.
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::vector<std::string>> Calendriers;
    // Lead-byte ranges (first, last) by code page; a missing code page is
    // refused, an empty list is a single-byte code page.
    std::map<std::uint32_t, std::vector<std::pair<unsigned char, unsigned char>>> OctetsDeTeteParPage;
    std::uint32_t PageSysteme = 1252;
    int DoubleOctetActif = 0;
    std::optional<std::uint32_t> Plateforme = Locale::PlateformeNT;
    std::uint16_t Annee = 2026;

    std::uint32_t GetThreadLocale() override;
    void SetThreadLocale(std::uint32_t idLocale) override;
    int GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) override;
    bool EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t idLocale,
                           std::uint32_t calendrier, std::uint32_t item) override;
    bool GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) override;
    std::uint32_t GetACP() override;
    int GetSystemMetrics(int index) override;
    std::optional<std::uint32_t> IdentifiantPlateforme() override;
    // 2 for a lead byte of PageSysteme followed by a non-zero byte, else 1.
    int LongueurCaractere(std::string_view reste) override;
    // Byte comparison; NormIgnoreCase folds the ASCII letters.
    int CompareStringA(std::uint32_t idLocale, std::uint32_t options, std::string_view a, std::string_view b) override;
    std::uint16_t AnneeLocale() override;
};
