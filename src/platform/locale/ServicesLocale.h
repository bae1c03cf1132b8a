// The platform's locale, text and clock services that the regional settings
// and the date recognition ask for, under the names and numbers of the
// original platform. Each platform's folder answers them its own way (linux/:
// glibc's locale data); tests answer them from a table.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

// The platform's numbers, under names of the tool's own (the platform's
// headers define its names as macros); each platform's implementation checks
// them against its headers where it has them.
namespace Locale {
inline constexpr std::uint32_t UtilisateurParDefaut = 0x400;
inline constexpr std::uint32_t SDate = 0x1D;
inline constexpr std::uint32_t SShortDate = 0x1F;
inline constexpr std::uint32_t S1159 = 0x28;
inline constexpr std::uint32_t S2359 = 0x29;
inline constexpr std::uint32_t IDefaultAnsiCodePage = 0x1004;
inline constexpr std::uint32_t ICalendarType = 0x1009;
inline constexpr std::uint32_t IOptionalCalendar = 0x100B;
inline constexpr std::uint32_t CalIYearOffsetRange = 3;
inline constexpr std::uint32_t CalSEraString = 4;
inline constexpr std::uint32_t CalJapon = 3;
inline constexpr std::uint32_t CalTaiwan = 4;
inline constexpr std::uint32_t CalCoree = 5;
inline constexpr int SmDbcsEnabled = 42;
inline constexpr std::uint32_t NormIgnoreCase = 1;
inline constexpr int CstrEqual = 2;
inline constexpr std::uint32_t PlateformeNT = 2;
// The primary languages whose rules differ, and the locale taken when the
// thread's is not known (English, United States).
inline constexpr std::uint32_t LangueChinois = 0x04;
inline constexpr std::uint32_t LangueAnglais = 0x09;
inline constexpr std::uint32_t LangueJaponais = 0x11;
inline constexpr std::uint32_t LangueCoreen = 0x12;
inline constexpr std::uint32_t AnglaisEtatsUnis = 0x409;
}  // namespace Locale

class ServicesLocale {
public:
    virtual ~ServicesLocale() = default;

    virtual std::uint32_t GetThreadLocale() = 0;
    virtual void SetThreadLocale(std::uint32_t idLocale) = 0;
    // Bytes written into the room, terminating zero included; 0 when the
    // locale has no such item or its value does not fit.
    virtual int GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) = 0;
    // One call of rappel per value; the enumeration stops when it answers false.
    // False when the request is refused.
    virtual bool EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t idLocale,
                                   std::uint32_t calendrier, std::uint32_t item) = 0;
    // Lead-byte ranges of a code page: pairs (first, last) ending with 0, 0.
    virtual bool GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) = 0;
    virtual std::uint32_t GetACP() = 0;
    virtual int GetSystemMetrics(int index) = 0;
    // The platform identifier read at start-up, if it was obtained.
    virtual std::optional<std::uint32_t> IdentifiantPlateforme() = 0;
    // Length of the character that begins at the first byte (1 or 2).
    virtual int LongueurCaractere(std::string_view reste) = 0;
    // Comparison under a locale: Locale::CstrEqual when equal.
    virtual int CompareStringA(std::uint32_t idLocale, std::uint32_t options, std::string_view a,
                               std::string_view b) = 0;
    // The year of the local date and time (GetLocalTime).
    virtual std::uint16_t AnneeLocale() = 0;
};

// The services in force: the platform's own unless a test put others.
ServicesLocale& ServicesLocaleCourants();
// Puts other services in force (nullptr: back to the platform's own).
void InstalleServicesLocale(ServicesLocale* services);

// The platform's own services, built at the first call; each platform's
// folder gives this function.
ServicesLocale& ServicesLocalePlateforme();
