// The final period of failure messages.
#include "application/MessageErreur.h"

#include "platform/locale/ServicesLocale.h"

#include <algorithm>
#include <string_view>

namespace {

// The first byte of the last character, walking the text character by
// character so that a double-byte character is taken whole.
unsigned char TeteDernierCaractere(std::string_view texte) {
    auto& services = ServicesLocaleCourants();
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size();) {
        debut = i;
        i += static_cast<std::size_t>(std::max(1, services.LongueurCaractere(texte.substr(i))));
    }
    return static_cast<unsigned char>(texte[debut]);
}

}  // namespace

Texte AvecPointFinal(const Texte& message) {
    if (message.EstVide() || TeteDernierCaractere(message.Vue()) <= '.') return message;
    return message + Texte(".");
}
