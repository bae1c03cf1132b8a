// Field splitting: the search and comparison operations on texts, and the
// step that cuts the first field off a line.
#pragma once

#include "commun/ReglagesDate.h"
#include "commun/TableNumerotee.h"
#include "commun/Texte.h"
#include "exportfile/RechercheOctets.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

using TableChamps = TableNumerotee<Texte, 64>;

// Position from 1 of the first occurrence of motif in texte, on their
// zero-ended views, Far-East aware; 0 when there is none.
std::int32_t PositionTexte(const Texte& motif, const Texte& texte);

// Same length and same bytes.
bool TextesEgaux(const Texte& a, const Texte& b);

// A line being cut into fields by DecoupeChamp steps. Each step cuts the first
// field off what is left of the line into champ[k] (k from 1 to 64) and
// leaves what follows the first ";"; without a ";" the field becomes empty
// and what is left stays whole. The line is shortened to what is left once,
// when the cut ends, so that a record costs one copy of its rest rather than
// one a field; the line must not be used otherwise while the cut lasts.
class LigneEnCoupe {
public:
    explicit LigneEnCoupe(Texte& ligne);
    ~LigneEnCoupe() { ligne_.Octets().erase(0, coupe_); }
    LigneEnCoupe(const LigneEnCoupe&) = delete;
    LigneEnCoupe& operator=(const LigneEnCoupe&) = delete;

    // Written here, so that a record's steps run without a call each: the
    // field is written into its own room, which it keeps from one line to
    // the next.
    void DecoupeChamp(TableChamps& champ, int k) {
        const std::size_t separateur = PremierSeparateur();
        if (separateur == std::string_view::npos) {
            champ[k].Vide();
            vue_ = {};
            return;
        }
        champ[k].Octets().assign(vue_.data(), separateur);
        vue_.remove_prefix(separateur + 1);
        coupe_ += separateur + 1;
    }

private:
    // The index in vue_ of the first ";" that does not begin on the second
    // byte of a two-byte character; npos when there is none.
    std::size_t PremierSeparateur() const {
        const auto* debut = reinterpret_cast<const unsigned char*>(vue_.data());
        const unsigned char* fin = debut + vue_.size();
        const unsigned char* trouve = PremierParmi(debut, fin, std::array<unsigned char, 1>{';'});
        if (trouve == fin) return std::string_view::npos;
        if (ReglagesDate.ExtremeOrient) return SeparateurExtremeOrient(vue_);
        return static_cast<std::size_t>(trouve - debut);
    }
    static std::size_t SeparateurExtremeOrient(std::string_view vue);

    Texte& ligne_;
    // What the search of each step sees: what is left, up to its first zero
    // byte; empty once a step found no ";", since every later step finds none.
    std::string_view vue_;
    std::size_t coupe_ = 0;  // bytes cut off the line so far
};
