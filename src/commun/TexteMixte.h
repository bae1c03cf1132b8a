// TexteMixte: a text of the tool's own (Windows-1252, the code page of its
// captions and messages) in which some parts are bytes of the export, in the
// code page the export is read in: a failure's message with field 7 inside,
// a reason that quotes the date, a report line followed by its reason. The
// bytes stay one 8-bit text, as the final-period rule and the tests read
// them; the places of the export's parts are kept beside them, so that the
// edge converts each part from its own code page.
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TexteMixte {
public:
    TexteMixte() = default;
    // A text of the tool's own, whole.
    TexteMixte(Texte outil) : octets_(std::move(outil)) {}
    TexteMixte(const char* outil) : octets_(outil) {}
    // Bytes of the export, whole.
    static TexteMixte DeLExport(Texte octets);

    std::string_view Vue() const { return octets_.Vue(); }
    const std::string& Octets() const { return octets_.Octets(); }
    std::int32_t Longueur() const { return octets_.Longueur(); }
    bool EstVide() const { return octets_.EstVide(); }

    // Calls partie(octets, deLExport) for each part in order; two parts in a
    // row never come from the same side.
    template <typename Partie>
    void PourChaquePartie(Partie partie) const {
        std::int32_t debut = 0;
        for (const Plage& plage : export_) {
            if (plage.Debut > debut) partie(Morceau(debut, plage.Debut), false);
            partie(Morceau(plage.Debut, plage.Fin), true);
            debut = plage.Fin;
        }
        if (debut < Longueur()) partie(Morceau(debut, Longueur()), false);
    }

    TexteMixte& operator+=(const TexteMixte& suite);
    friend TexteMixte operator+(TexteMixte a, const TexteMixte& b) {
        a += b;
        return a;
    }
    friend bool operator==(const TexteMixte& a, const TexteMixte& b) = default;

private:
    // Bytes Debut (from 0) to Fin (excluded) come from the export.
    struct Plage {
        std::int32_t Debut;
        std::int32_t Fin;
        bool operator==(const Plage&) const = default;
    };

    std::string_view Morceau(std::int32_t debut, std::int32_t fin) const {
        return Vue().substr(static_cast<std::size_t>(debut), static_cast<std::size_t>(fin - debut));
    }

    Texte octets_;
    std::vector<Plage> export_;
};

// The text in UTF-8: the tool's parts from Windows-1252, the export's from
// pageExport, each byte that its code page cannot convert as U+FFFD.
std::string TexteMixteVersUtf8(const TexteMixte& texte, std::uint32_t pageExport);
