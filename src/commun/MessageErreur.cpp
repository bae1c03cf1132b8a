// The final period of failure messages.
#include "commun/MessageErreur.h"

Texte AvecPointFinal(const Texte& message) {
    // In a double-byte code page the first byte of the last character
    // decides; lead and trail bytes all lie above ".", so the last byte
    // gives the same answer.
    if (message.EstVide() || message.Octet(message.Longueur()) <= '.') return message;
    return message + Texte(".");
}
