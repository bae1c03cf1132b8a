// The text of a failure box: the failure's message with a final period when
// it ends with a letter, a digit or most signs.
#pragma once

#include "commun/TexteMixte.h"

// Adds "." when the last character's first byte is above "." (0x2E); an
// empty message, or one ending with ".", ",", "-", ")", "!", a blank or any
// other character up to 0x2E, is left as it is.
TexteMixte AvecPointFinal(const TexteMixte& message);
