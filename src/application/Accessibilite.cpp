// The keys and the names of the window's controls.
#include "application/Accessibilite.h"

#include <cctype>
#include <string_view>

namespace {

char Majuscule(char caractere) { return static_cast<char>(std::toupper(static_cast<unsigned char>(caractere))); }

}  // namespace

namespace Accessibilite {

const char* BoutonDeLaLettre(char caractere) {
    for (const LettreBouton& lettre : LettresBoutons)
        if (lettre.Lettre == Majuscule(caractere)) return lettre.Bouton;
    return nullptr;
}

std::string CaptionAvecLettre(std::string_view bouton, std::string_view caption) {
    std::string marquee(caption);
    for (const LettreBouton& lettre : LettresBoutons) {
        if (bouton != lettre.Bouton) continue;
        for (std::size_t i = 0; i < marquee.size(); ++i) {
            if (Majuscule(marquee[i]) != lettre.Lettre) continue;
            marquee.insert(i, 1, '&');
            break;
        }
    }
    return marquee;
}

std::string NomDuTexte(std::string_view texte) {
    std::string nom;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        // "&&" shows one "&"; a lone "&" only marks the letter after it.
        if (texte[i] == '&' && ++i == texte.size()) break;
        nom += texte[i];
    }
    while (!nom.empty() && nom.back() == ' ') nom.pop_back();
    return nom;
}

}  // namespace Accessibilite
