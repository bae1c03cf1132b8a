// The date conventions of a Linux locale as glibc's locale data give them,
// turned into what the platform's locale items hold: the short date pattern
// in the platform's letters, the date separator, the two time designators and
// the eras. Texts are UTF-8 here; the services convert them to the locale's
// code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct EreGlibc {
    std::string Nom;
    std::int32_t DecalageAnnee;  // the Gregorian year of the era's year 1
};

struct FormatDateTraduit {
    std::string Modele;                     // "dd/MM/yyyy" for "%d/%m/%Y"
    std::optional<std::string> Separateur;  // the text between the first two date fields
};

struct DonneesLocaleGlibc {
    FormatDateTraduit FormatCourt;
    std::string SymboleAM;
    std::string SymbolePM;
    std::vector<EreGlibc> Eres;
};

// Whether glibc has the named locale.
bool LocaleInstallee(const std::string& nomLocale);

// The data of the named locale; nothing when glibc does not have it.
std::optional<DonneesLocaleGlibc> LitDonneesGlibc(const std::string& nomLocale);

// A strftime date format in the platform's pattern letters: %d dd, %e and
// %-d d, %m MM, %-m M, %y yy, %Y yyyy, %b MMM, %B MMMM, %a ddd, %A dddd;
// %D and %F are expanded; other conversions are dropped, and so is a weekday
// before the first day, month or year; literal ASCII letters are quoted. The
// separator is the literal text between the first two day, month or year
// fields without the blanks around it; nothing usable when it is only
// blanks or when the format has fewer than two such fields.
FormatDateTraduit TraduitFormatGlibc(std::string_view format);

// One era of an era description "direction:offset:start:end:name:format";
// nothing when the description is malformed.
std::optional<EreGlibc> LitEreGlibc(std::string_view description);

// The eras of a list of descriptions, each name once, in the order listed.
std::vector<EreGlibc> EresDistinctes(const std::vector<std::string>& descriptions);
