// The final period of failure messages.
#include "commun/MessageErreur.h"

TexteMixte AvecPointFinal(const TexteMixte& message) {
    // In a double-byte code page (the export's part may end the message)
    // the first byte of the last character decides; lead and trail bytes all
    // lie above ".", so the last byte gives the same answer.
    if (message.EstVide() || static_cast<unsigned char>(message.Vue().back()) <= '.') return message;
    return message + TexteMixte(".");
}
