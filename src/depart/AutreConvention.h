// The hint, after a check, that the file seems written under other regional
// settings: how many of the refused dates each other convention would
// accept, day, month and year in one of the three orders, separated by "/",
// "-" or ".". Only refused dates are looked at, each under the conventions
// whose separator it holds, so a check that refuses few dates pays nearly
// nothing; the verdicts and the report stay as they are.
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <optional>
#include <string_view>

struct IndiceConvention {
    Texte Forme;    // the convention in short, "a-m-j"
    Texte Court;    // what the status bar shows: « a-m-j ? 98 % des refus »
    Texte Complet;  // the whole sentence, counts included
    std::uint32_t Valides = 0;
};

// At least this many refused dates, and more than half of them valid under
// one other convention, make a hint.
inline constexpr std::uint32_t RefusPourIndice = 20;

// Forgets the dates of the check before; the settings' own convention is
// left out of those counted.
void DebuteConventions();

// A date that the check refused.
void NoteDateRefusee(std::string_view date);

// The hint for the dates refused since DebuteConventions, when they make one:
// the convention that accepts the most of them (on a tie, the one in the
// settings' own order, then day-month-year, month-day-year, year-month-day,
// each with "/", "-", ".").
std::optional<IndiceConvention> IndiceAutreConvention();
