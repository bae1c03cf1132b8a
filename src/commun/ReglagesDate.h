// ReglagesDate: the process-wide record of regional date conventions that
// every date recognition and the Far-East aware search of the export's fields
// read. The regional settings part (dates/ChargeReglagesDate.h) fills it from
// the platform's locale at start-up and again when the settings change;
// everything else only reads it.
#pragma once

#include "commun/TableNumerotee.h"
#include "commun/Texte.h"

#include <bitset>
#include <cstdint>

struct TReglagesDate {
    Texte FormatDateCourt;
    unsigned char SeparateurDate = 0;
    std::uint16_t FenetreSiecle = 50;
    TableNumerotee<Texte, 7> NomsEres;
    TableNumerotee<std::int32_t, 7> DecalagesEres;
    std::uint32_t IdLocale = 0;
    std::uint32_t LanguePrincipale = 0;
    std::bitset<256> OctetsDeTete;
    bool ExtremeOrient = false;
    Texte SymboleAM;
    Texte SymbolePM;

    bool EstOctetDeTete(unsigned char octet) const { return OctetsDeTete.test(octet); }
};

extern TReglagesDate ReglagesDate;
