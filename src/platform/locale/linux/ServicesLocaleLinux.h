// The locale services answered from glibc's locale data. Linux locales have
// names, not numbers: each name met gets an identifier whose bits 0 to 9 are
// the primary language, bits 10 to 15 the default sublanguage (1), and bits
// 16 and up the name's number in a table kept by the services.
#pragma once

#include "platform/locale/ServicesLocale.h"

#include <ctime>
#include <string>
#include <vector>

class ServicesLocaleLinux final : public ServicesLocale {
public:
    // The locales that the process environment selected (LC_ALL, LC_TIME,
    // LANG for dates; LC_ALL, LC_CTYPE, LANG for the character set).
    ServicesLocaleLinux();
    ServicesLocaleLinux(std::string localeDate, std::string localeCaracteres);

    // The identifier of a named locale (the same for the same name).
    std::uint32_t IdentifiantLocale(const std::string& nom);
    // The name behind an identifier (UtilisateurParDefaut: the user's default
    // locale now, SystemeParDefaut: the start-up locale); empty when the
    // identifier stands for none.
    std::string NomLocale(std::uint32_t idLocale) const;

    std::uint32_t GetThreadLocale() override;
    void SetThreadLocale(std::uint32_t idLocale) override;
    int GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) override;
    bool EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t idLocale,
                           std::uint32_t calendrier, std::uint32_t item) override;
    bool GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) override;
    std::uint32_t GetACP() override;
    int GetSystemMetrics(int index) override;
    std::optional<std::uint32_t> IdentifiantPlateforme() override;
    int LongueurCaractere(std::string_view reste) override;
    // Texts read in the system code page, compared by code point; with
    // NormIgnoreCase, letters are folded by Unicode's rules.
    int CompareStringA(std::uint32_t idLocale, std::uint32_t options, std::string_view a, std::string_view b) override;
    // The year of the local time, read again when the second has changed.
    std::uint16_t AnneeLocale() override;

private:
    // The value of a locale item in the locale's code page; nothing when the
    // locale is not installed or has no such item.
    std::optional<std::string> ValeurElement(const std::string& nom, std::uint32_t item) const;
    std::uint32_t PageDeCodeTextes(const std::string& nom) const;

    std::string localeDemarrage_;
    std::string localeThread_;
    std::uint32_t pageDeCodeSysteme_;
    std::vector<std::string> nomsConnus_;
    std::time_t secondeAnnee_ = -1;
    std::uint16_t anneeLue_ = 0;
};

// The calendar whose eras a locale's era data stand for: CalJapon for
// Japanese, CalTaiwan for Chinese, CalCoree for Korean, when glibc has
// eras for the locale; 1 (Gregorian) otherwise.
std::uint32_t CalendrierOptionnelLocale(const std::string& nom);
