// Reading one short date from a text under ReglagesDate: the order of day,
// month and year, the scanning steps, and the date itself. Positions count
// from 1; a position past the last byte means the text is used up.
#pragma once

#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"

#include <cstdint>
#include <string_view>

enum class TOrdreDate { MJA, JMA, AMJ };

// The order given by the first of the letters D, E, M, Y (either case) in
// the pattern; MJA when it has none.
TOrdreDate DeduitOrdreDate(std::string_view modele);

void SauteBlancs(std::string_view texte, std::int32_t& position);

// After the blanks: at most four significant digits (leading zeros without
// limit); chiffres counts every digit consumed, modulo 256.
bool LitNombre(std::string_view texte, std::int32_t& position, std::uint16_t& valeur, std::uint8_t& chiffres);

// After the blanks: the expected byte, consumed when it is there.
bool LitSeparateur(std::string_view texte, std::int32_t& position, unsigned char attendu);

// Past everything up to the first digit, two-byte characters whole.
void AvanceAuChiffre(std::string_view texte, std::int32_t& position);

// One date from the position, which ends after what was consumed. On a
// refusal, raison (when given) receives why.
bool AnalyseDate(std::string_view texte, std::int32_t& position, TDateSerie& date, RaisonRefus* raison = nullptr);
