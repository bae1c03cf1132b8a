// Date recognition: whether a text is a short date under ReglagesDate and the
// clock's current year, and which day it is.
#pragma once

#include "commun/Texte.h"

#include <string_view>

struct RaisonRefus;

// Days since 30 December 1899.
using TDateSerie = double;

// The date the whole text stands for; EConvertError (message 65521 with the
// text as given) when the text is refused.
TDateSerie ReconnaitDate(const Texte& texte);

// The same verdict as ReconnaitDate, without raising on a refusal: true and the
// date when the text is accepted. When raison is given, it receives why the
// text was refused, or no reason when it was accepted: the same scan gives
// both. Neither allocates nor throws on either path.
bool TenteReconnaitDate(std::string_view texte, TDateSerie& date, RaisonRefus* raison = nullptr);
