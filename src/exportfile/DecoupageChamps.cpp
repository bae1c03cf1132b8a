// The search and comparison operations, and the splitting step.
#include "exportfile/DecoupageChamps.h"

#include "commun/ReglagesDate.h"
#include "exportfile/RechercheOctets.h"

#include <array>

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

bool TextesEgaux(const Texte& a, const Texte& b) { return a.Vue() == b.Vue(); }

LigneEnCoupe::LigneEnCoupe(Texte& ligne) : ligne_(ligne), vue_(VueZeroTerminee(ligne.Vue())) {}

std::size_t LigneEnCoupe::SeparateurExtremeOrient(std::string_view vue) {
    const std::int32_t position = PositionSansZero(Separateur, vue);
    return position == 0 ? std::string_view::npos : static_cast<std::size_t>(position - 1);
}
