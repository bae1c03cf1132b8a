// The calendar side of date recognition: the proleptic Gregorian check and
// day count, the current year of the clock, and years counted in an era.
#pragma once

#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"

#include <cstdint>
#include <string_view>

// Whether the year is a leap year of the Gregorian calendar (every year).
bool EstBissextile(std::uint16_t annee);

// The number of days of the month (1 to 12) in that year.
std::uint16_t JoursDansMois(std::uint16_t annee, std::uint16_t mois);

// Why the day does not exist between the years 1 and 9999, the year checked
// first, then the month, then the day; Aucun when it exists.
MotifRefus MotifCalendrier(std::uint16_t annee, std::uint16_t mois, std::uint16_t jour);

// Whether the day exists between the years 1 and 9999, and its serial number
// (days since 30 December 1899).
bool ComposeDate(std::uint16_t annee, std::uint16_t mois, std::uint16_t jour, TDateSerie& date);

// The year of the local clock, read afresh at every call.
std::uint16_t AnneeCourante();

// A year typed with at most two digits placed in the century window: from
// the current year less FenetreSiecle, 100 years on.
std::uint16_t AppliqueFenetreSiecle(std::uint16_t annee);

// The year offset of the first era whose name contains the typed name; 0 when
// none does or the name is empty.
std::int32_t DecalageDEre(std::string_view nomTape);

// The Gregorian year of a year counted in the era whose offset decalageEre
// (above 0) holds; updates decalageEre as the count requires (Korean or not).
// Taken modulo 65536.
std::uint16_t AnneeDEre(std::uint16_t annee, std::int32_t& decalageEre);
