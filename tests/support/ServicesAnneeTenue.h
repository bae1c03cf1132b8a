// Test support: the platform's own locale services with the clock held in a
// chosen year, installed for the length of a test. Every other answer comes
// from the platform (on Windows, Windows itself):
//
//     ServicesAnneeTenue horloge(2024);   // installed; ReglagesDate reloaded
//     EXPECT_EQ(ReconnaitDate("12/05"), Serie(2024, 5, 12));
#pragma once

#include "commun/ReglagesDate.h"
#include "platform/locale/ServicesLocale.h"

class ServicesAnneeTenue final : public ServicesLocale {
public:
    explicit ServicesAnneeTenue(std::uint16_t annee);
    ~ServicesAnneeTenue() override;
    ServicesAnneeTenue(const ServicesAnneeTenue&) = delete;
    ServicesAnneeTenue& operator=(const ServicesAnneeTenue&) = delete;

    std::uint32_t GetThreadLocale() override { return plateforme_.GetThreadLocale(); }
    void SetThreadLocale(std::uint32_t idLocale) override { plateforme_.SetThreadLocale(idLocale); }
    int GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) override {
        return plateforme_.GetLocaleInfoA(idLocale, item, place, taille);
    }
    bool EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t idLocale,
                           std::uint32_t calendrier, std::uint32_t item) override {
        return plateforme_.EnumCalendarInfoA(rappel, idLocale, calendrier, item);
    }
    bool GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) override {
        return plateforme_.GetCPInfo(pageDeCode, octetsDeTete);
    }
    std::uint32_t GetACP() override { return plateforme_.GetACP(); }
    int GetSystemMetrics(int index) override { return plateforme_.GetSystemMetrics(index); }
    std::optional<std::uint32_t> IdentifiantPlateforme() override { return plateforme_.IdentifiantPlateforme(); }
    int LongueurCaractere(std::string_view reste) override { return plateforme_.LongueurCaractere(reste); }
    int CompareStringA(std::uint32_t idLocale, std::uint32_t options, std::string_view a, std::string_view b) override {
        return plateforme_.CompareStringA(idLocale, options, a, b);
    }
    std::uint16_t AnneeLocale() override { return annee_; }

private:
    ServicesLocale& plateforme_;
    std::uint16_t annee_;
    ServicesLocale* precedents_;
    TReglagesDate reglagesPrecedents_;
};
