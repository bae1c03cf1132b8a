// ReglagesDate: the process-wide record of regional date conventions that
// every date recognition reads, filled from the platform's locale by
// ChargeReglagesDate at start-up and again when the regional settings change.
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

// Fills every field but FenetreSiecle from the locale of the calling thread.
// Never fails: each refusal of the platform gives the field's default. May be
// called again at any time; on a change of the regional settings, first move
// the thread to the user's default locale:
//     ServicesLocaleCourants().SetThreadLocale(Locale::LOCALE_USER_DEFAULT);
//     ChargeReglagesDate();
void ChargeReglagesDate();
