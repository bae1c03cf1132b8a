// The locale, text and clock services answered by Windows itself: the
// locale items and calendars of the user's regional settings (those of the
// Control Panel), the code pages, the next-character rule and the
// comparison of the system code page, and the local clock. No table of the
// tool's own stands in for what Windows answers.
#pragma once

#include "platform/locale/ServicesLocale.h"

class ServicesLocaleWindows final : public ServicesLocale {
public:
    // Reads the platform identifier (GetVersionExA), once for the run.
    ServicesLocaleWindows();

    std::uint32_t GetThreadLocale() override;
    void SetThreadLocale(std::uint32_t idLocale) override;
    int GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) override;
    bool EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t idLocale,
                           std::uint32_t calendrier, std::uint32_t item) override;
    bool GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) override;
    std::uint32_t GetACP() override;
    int GetSystemMetrics(int index) override;
    std::optional<std::uint32_t> IdentifiantPlateforme() override;
    // CharNextA over the first two bytes.
    int LongueurCaractere(std::string_view reste) override;
    int CompareStringA(std::uint32_t idLocale, std::uint32_t options, std::string_view a, std::string_view b) override;
    std::uint16_t AnneeLocale() override;

private:
    std::optional<std::uint32_t> plateforme_;
};
