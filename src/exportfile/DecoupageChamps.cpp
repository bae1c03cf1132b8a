// The search, part-of-text and comparison operations, and the splitting step.
#include "exportfile/DecoupageChamps.h"

#include "commun/ReglagesDate.h"

#include <algorithm>
#include <cstring>

namespace {

// The bytes before the first zero byte.
std::string_view VueZeroTerminee(const Texte& texte) {
    const std::string_view vue = texte.Vue();
    return vue.substr(0, vue.find('\0'));
}

// Whether the byte at index i is the second byte of a two-byte character:
// the lead bytes right before it form a run of odd length.
bool EstSecondOctet(std::string_view texte, std::size_t i) {
    std::size_t run = 0;
    while (run < i && ReglagesDate.EstOctetDeTete(static_cast<unsigned char>(texte[i - 1 - run]))) ++run;
    return run % 2 == 1;
}

const Texte Separateur(";");

}  // namespace

std::int32_t PositionTexte(const Texte& motif, const Texte& texte) {
    const std::string_view cherche = VueZeroTerminee(motif);
    const std::string_view complet = texte.Vue();
    if (cherche.empty() || complet.empty() || complet.front() == '\0') return 0;
    for (std::size_t depart = 0;;) {
        const std::size_t trouve = complet.find(cherche, depart);
        if (trouve == std::string_view::npos) return 0;
        // An occurrence that reaches a zero byte lies outside the zero-ended
        // view, and so does every later one.
        if (std::memchr(complet.data(), '\0', trouve + cherche.size()) != nullptr) return 0;
        if (!ReglagesDate.ExtremeOrient || !EstSecondOctet(complet, trouve))
            return static_cast<std::int32_t>(trouve + 1);
        depart = trouve + 1;
    }
}

Texte ExtraitTexte(const Texte& texte, std::int32_t debut, std::int32_t nombre) {
    const std::int64_t longueur = texte.Longueur();
    if (longueur == 0) return {};
    const std::int64_t premier = debut < 1 ? 1 : debut;
    if (premier > longueur || nombre <= 0) return {};
    const std::int64_t compte = std::min<std::int64_t>(nombre, longueur - premier + 1);
    return Texte(texte.Vue().substr(static_cast<std::size_t>(premier - 1), static_cast<std::size_t>(compte)));
}

bool TextesEgaux(const Texte& a, const Texte& b) { return a.Vue() == b.Vue(); }

// The same results as taking ExtraitTexte(ligne, 1, P - 1) into the field and
// ExtraitTexte(ligne, P + 1, length - P) into the line, without fresh texts:
// both keep their room from one line to the next.
void DecoupeChamp(Texte& ligne, TableChamps& champ, int k) {
    if (!TableChamps::Contient(k)) return;
    const std::int32_t position = PositionTexte(Separateur, ligne);
    std::string& reste = ligne.Octets();
    std::string& champK = champ[k].Octets();
    if (position == 0) {
        champK.clear();
        return;
    }
    champK.assign(reste, 0, static_cast<std::size_t>(position - 1));
    reste.erase(0, static_cast<std::size_t>(position));
}
