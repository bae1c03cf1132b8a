// Field splitting: the search, part-of-text and comparison operations on
// texts, and the step that cuts the first field off a line.
#pragma once

#include "commun/TableNumerotee.h"
#include "commun/Texte.h"

#include <cstdint>

using TableChamps = TableNumerotee<Texte, 64>;

// Position from 1 of the first occurrence of motif in texte, on their
// zero-ended views, Far-East aware; 0 when there is none.
std::int32_t PositionTexte(const Texte& motif, const Texte& texte);

// At most nombre bytes of texte from position debut on, out-of-range values
// taken as the export's rules say.
Texte ExtraitTexte(const Texte& texte, std::int32_t debut, std::int32_t nombre);

// Same length and same bytes.
bool TextesEgaux(const Texte& a, const Texte& b);

// Cuts the first field off ligne into champ[k] (k from 1 to 64); ligne keeps
// what follows the first ";". Without a ";" the field becomes empty and ligne
// stays whole. A k outside 1 to 64 changes nothing.
void DecoupeChamp(Texte& ligne, TableChamps& champ, int k);

// The same as DecoupeChamp for k = premier to dernier in turn, in one pass
// over the line: ligne is shortened once, at the end.
void DecoupeChamps(Texte& ligne, TableChamps& champ, int premier, int dernier);
