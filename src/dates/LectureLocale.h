// Reading the platform's locale items into the settings: an item as text, as
// one character, as a whole number, the code page of a locale, and the
// translation of the short date pattern.
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The item's value (at most 255 bytes); the default when it is refused,
// missing or too long. An empty value gives the empty text.
Texte LitTexteLocale(std::uint32_t idLocale, std::uint32_t item, const Texte& parDefaut);

// The item's one character (code 0 for an empty value); the default when it
// is refused, missing or longer than one byte.
unsigned char LitCaractereLocale(std::uint32_t idLocale, std::uint32_t item, unsigned char parDefaut);

// A whole number as items write it: blanks before, an optional sign, decimal
// digits or hexadecimal ones after "$", "x", "X", "0x" or "0X", nothing after,
// within the signed 32-bit range.
std::optional<std::int32_t> LitEntierLocale(std::string_view texte);

// An item of the thread's locale read as a whole number, with the text
// default then the number default.
std::int32_t LitNombreLocale(std::uint32_t item, const Texte& texteParDefaut, std::int32_t parDefaut);

// The 8-bit code page of the locale; the system's when the locale does not
// say.
std::uint32_t PageDeCodeLocale(std::uint32_t idLocale);

// Whether the calendar counts its years in eras: Japanese, Taiwanese or
// Korean.
bool EstCalendrierAEres(std::int32_t calendrier);

// The short date pattern to keep for the one the locale gives: the years of
// an era calendar become "e" letters and the era "ggg"; Chinese, Japanese and
// Korean lose their "g" letters under the Gregorian calendar.
Texte TraduitFormatDate(const Texte& modele);
