// What the platform numbers for a locale named the Linux way
// ("ll_CC.codeset@modifier"): the primary language identifier, the 8-bit code
// page, and the lead-byte ranges of the double-byte code pages.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The parts of a locale name; "C", "POSIX" and "C.<codeset>" give language "C".
struct NomLocale {
    std::string Langue;
    std::string Territoire;
    std::string JeuDeCaracteres;
    std::string Modificateur;
};
NomLocale DecomposeNomLocale(std::string_view nom);

// Primary language identifier in the platform's numbering (French 0x0C,
// English 0x09, Japanese 0x11...); 0 (neutral) for a language it does not
// number. "C" and "POSIX" count as English.
std::uint32_t LanguePrincipaleLocale(std::string_view nom);

// The 8-bit code page of the locale's language (1252 Western, 932 Japanese,
// 949 Korean, 936 / 950 Chinese, 1250 / 1251 Central European / Cyrillic...);
// 0 for a language that has none (written in Unicode only).
std::uint32_t PageDeCodeLangue(std::string_view nom);

// Whether the code page is one the platform knows.
bool PageDeCodeConnue(std::uint32_t pageDeCode);

// Lead-byte ranges of a code page as pairs (first, last), ended by 0, 0; all
// zero for a single-byte code page.
std::array<unsigned char, 12> PlagesOctetsDeTete(std::uint32_t pageDeCode);

// Whether the byte begins a two-byte character in the code page.
bool EstOctetDeTete(std::uint32_t pageDeCode, unsigned char octet);
