// The report box's capacity and the rule by which the refused dates go into
// it, the same for both windows. Each window's box gives only what its own
// control knows (how many characters it holds, how many a text would make in
// it, whether its last line is empty, and the insertion of a text at its
// end), all counted in the control's own characters; the rest is here: a
// line that does not fit whole is never taken, each insertion is checked by
// the control's length before and after it, and EOutOfResources ("Erreur
// d'insertion de ligne RichEdit") is raised with every line before it in
// the box.
//
// While "Traite" runs, RapportRetenu keeps the lines back and puts them in
// by blocks, one insertion a block, as long as the block surely fits (a byte
// never makes more than one character); near the capacity it puts them one
// by one, so that the failure falls on exactly the first line that does not
// fit. The box then holds the text that adding every line alone would give.
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <string_view>
#include <vector>

// 64 Mi characters: over a million report lines of fifty characters.
inline constexpr std::int64_t CapaciteRapport = std::int64_t{64} * 1024 * 1024;

class BoiteRapport {
public:
    virtual ~BoiteRapport() = default;

    // The line break as the control takes it: "\n" or "\r", one character.
    std::string_view SautDeLigne() const { return saut_; }
    std::int64_t Capacite() const { return capacite_; }
    void FixeCapacite(std::int64_t capacite);
    // Adds one line at the end of the box: the line then a break when the
    // last line is empty, else a break then the line.
    void AjouteLigne(const Texte& ligne);

    // Empties the box and clears its modified mark; size and visibility stay.
    virtual void Vide() = 0;
    // Number of characters the box holds.
    virtual std::int64_t Longueur() const = 0;
    // Number of characters a text of the export's code page makes in the box.
    virtual std::int64_t Caracteres(const Texte& texte) const = 0;
    // Whether the box is empty or its last line is empty.
    virtual bool FinitParSaut() const = 0;
    // Puts the text at the end of the box, with no undo record.
    virtual void InsereALaFin(const Texte& texte) = 0;

protected:
    explicit BoiteRapport(std::string_view saut) : saut_(saut) {}
    BoiteRapport(const BoiteRapport&) = delete;
    BoiteRapport& operator=(const BoiteRapport&) = delete;

private:
    // A control with a limit of its own takes the capacity as its limit.
    virtual void LimiteControle(std::int64_t) {}

    std::string_view saut_;
    std::int64_t capacite_ = CapaciteRapport;
};

class RapportRetenu {
public:
    explicit RapportRetenu(BoiteRapport& boite) : boite_(boite) {}

    // Keeps the line back, or adds it alone when the box may be near its
    // capacity (after the lines kept back).
    void Ajoute(const Texte& ligne);
    // Puts every line kept back into the box.
    void Verse();

private:
    // The characters the box holds, asked once and then kept up to date.
    std::int64_t LongueurBoite();

    BoiteRapport& boite_;
    std::vector<Texte> enAttente_;
    // At most as many characters as the lines kept back will make.
    std::int64_t borneEnAttente_ = 0;
    std::int64_t longueur_ = -1;
};
