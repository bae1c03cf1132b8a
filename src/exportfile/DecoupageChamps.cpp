// The search, part-of-text and comparison operations, and the splitting step.
#include "exportfile/DecoupageChamps.h"

#include "commun/ReglagesDate.h"
#include "exportfile/RechercheOctets.h"

#include <algorithm>
#include <cstring>

namespace {

// The bytes before the first zero byte: all that the search sees of a text.
std::string_view VueZeroTerminee(std::string_view texte) { return texte.substr(0, texte.find('\0')); }

// Whether the byte at index i is the second byte of a two-byte character:
// the lead bytes right before it form a run of odd length.
bool EstSecondOctet(std::string_view texte, std::size_t i) {
    std::size_t run = 0;
    while (run < i && ReglagesDate.EstOctetDeTete(static_cast<unsigned char>(texte[i - 1 - run]))) ++run;
    return run % 2 == 1;
}

constexpr std::string_view Separateur = ";";

// The index of the first such byte from depart on, or npos.
std::size_t PositionOctet(std::string_view texte, char octet, std::size_t depart) {
    const auto* debut = reinterpret_cast<const unsigned char*>(texte.data());
    const unsigned char* fin = debut + texte.size();
    const unsigned char* trouve = PremierParmi(debut + depart, fin, std::array{static_cast<unsigned char>(octet)});
    return trouve == fin ? std::string_view::npos : static_cast<std::size_t>(trouve - debut);
}

// PositionTexte on views that hold no zero byte: the first occurrence that
// does not begin on the second byte of a two-byte character.
std::int32_t PositionSansZero(std::string_view cherche, std::string_view texte) {
    if (cherche.empty()) return 0;
    for (std::size_t depart = 0;;) {
        const std::size_t trouve =
            cherche.size() == 1 ? PositionOctet(texte, cherche.front(), depart) : texte.find(cherche, depart);
        if (trouve == std::string_view::npos) return 0;
        if (!ReglagesDate.ExtremeOrient || !EstSecondOctet(texte, trouve)) return static_cast<std::int32_t>(trouve + 1);
        depart = trouve + 1;
    }
}

}  // namespace

// An occurrence that reaches a zero byte lies outside the zero-ended view,
// and so does every later one: searching the views cut at their first zero
// byte gives the same answers.
std::int32_t PositionTexte(const Texte& motif, const Texte& texte) {
    return PositionSansZero(VueZeroTerminee(motif.Vue()), VueZeroTerminee(texte.Vue()));
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

// Each step gives the same results as taking ExtraitTexte(ligne, 1, P - 1)
// into the field and ExtraitTexte(ligne, P + 1, length - P) into the line,
// without fresh texts: the fields keep their room from one line to the next.
void DecoupeChamps(Texte& ligne, TableChamps& champ, int premier, int dernier) {
    // What each step's search sees: the rest of the line up to its first
    // zero byte, found once for all the steps.
    std::string_view vue = VueZeroTerminee(ligne.Vue());
    std::size_t coupe = 0;
    int k = std::max(premier, 1);
    for (const int fin = std::min(dernier, TableChamps::Taille); k <= fin; ++k) {
        const std::int32_t position = PositionSansZero(Separateur, vue);
        if (position == 0) break;
        champ[k].Octets().assign(vue.data(), static_cast<std::size_t>(position - 1));
        vue.remove_prefix(static_cast<std::size_t>(position));
        coupe += static_cast<std::size_t>(position);
    }
    // Without a ";" the line stays as it is, so every later step finds none.
    for (const int fin = std::min(dernier, TableChamps::Taille); k <= fin; ++k) champ[k].Vide();
    ligne.Octets().erase(0, coupe);
}

void DecoupeChamp(Texte& ligne, TableChamps& champ, int k) { DecoupeChamps(ligne, champ, k, k); }
