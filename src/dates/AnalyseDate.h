// Reading one short date from a text under ReglagesDate: the order of day,
// month and year, the scanning steps, and the date itself. Positions count
// from 1; a position past the last byte means the text is used up.
#pragma once

#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"

#include <cstdint>
#include <string_view>

enum class TOrdreDate { MJA, JMA, AMJ };

// How a date is read: the order of its numbers, the separator between them,
// and what the short date pattern adds.
struct FormeDate {
    TOrdreDate Ordre = TOrdreDate::MJA;
    unsigned char Separateur = '/';
    bool EreEnTete = false;    // the pattern begins with a lower-case g
    bool PremiereEre = false;  // or else holds a lower-case e: the first era applies
    bool NomDuJour = false;    // holds "ddd" on a Far-East system
};

// The form that ReglagesDate's pattern and separator give.
FormeDate FormeDesReglages();

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
bool AnalyseDate(std::string_view texte, std::int32_t& position, TDateSerie& date, RaisonRefus* raison = nullptr,
                 const FormeDate& forme = FormeDesReglages());

// The verdict of TenteReconnaitDate on the whole text when read in the given
// form instead of the regional settings' (the century window, the clock and
// the rest of the settings as they are).
bool EstDateSous(const FormeDate& forme, std::string_view texte);
