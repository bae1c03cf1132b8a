// Why the date scan refused a text: what it met where, recorded by the scan
// itself on its way to the verdict (a few numbers, no allocation), and the
// French sentence that says it.
#pragma once

#include "commun/TexteMixte.h"

#include <cstdint>
#include <string_view>

enum class MotifRefus : std::uint8_t {
    Aucun,                // accepted
    DateVide,             // nothing but blanks
    NombreSeul,           // one number, then the end (a year alone)
    NombreManquant,       // no number where the Rang-th one should be
    SeparateurInattendu,  // another character where the separator should be
    ChiffreEnTrop,        // a digit after four significant digits
    TexteEnTrop,          // text left after the date
    TexteTropLong,        // a text longer than a scan position counts
    AnneeHorsLimites,     // year 0 or above 9999
    MoisZero,
    MoisTrop,  // above 12
    JourZero,
    JourTrop,  // beyond the month's length
};

// Where the year of a refused date came from.
enum class OrigineAnnee : std::uint8_t { Tapee, FenetreSiecle, Ere, AnneeCourante };

struct RaisonRefus {
    MotifRefus Motif = MotifRefus::Aucun;
    // The character or the text concerned, from 1 (0: the end of the text),
    // and the character's length in bytes.
    std::int32_t Position = 0;
    std::int32_t Longueur = 0;
    std::uint8_t Rang = 0;  // the missing number: 1 to 3
    unsigned char Separateur = 0;
    std::uint16_t Nombre = 0;  // the number before the digit in excess; the year as typed
    std::uint16_t Annee = 0;
    std::uint16_t Mois = 0;
    std::uint16_t Jour = 0;
    std::uint16_t JoursDuMois = 0;
    OrigineAnnee Origine = OrigineAnnee::Tapee;
};

// The reason as a French phrase of the tool's own, quoting from the text (and
// from the regional settings) what it names as bytes of the export; empty
// for an accepted text.
TexteMixte ExpliqueRefus(const RaisonRefus& raison, std::string_view texte);
