// The parts of a mixed text and its conversion to UTF-8.
#include "commun/TexteMixte.h"

#include "commun/Messages.h"
#include "platform/pagedecode/PageDeCode.h"

TexteMixte TexteMixte::DeLExport(Texte octets) {
    TexteMixte texte(std::move(octets));
    if (!texte.EstVide()) texte.export_.push_back({0, texte.Longueur()});
    return texte;
}

TexteMixte& TexteMixte::operator+=(const TexteMixte& suite) {
    const std::int32_t decalage = Longueur();
    octets_ += suite.octets_;
    for (const Plage& plage : suite.export_) {
        // A part of the export that follows one makes one part with it.
        if (!export_.empty() && export_.back().Fin == decalage + plage.Debut) export_.back().Fin = decalage + plage.Fin;
        else export_.push_back({decalage + plage.Debut, decalage + plage.Fin});
    }
    return *this;
}

std::string TexteMixteVersUtf8(const TexteMixte& texte, std::uint32_t pageExport) {
    // Under a system whose code page is the tool's own, in one conversion.
    if (pageExport == PageDeCodeMessages) return VersUtf8(texte.Vue(), pageExport);
    std::string utf8;
    texte.PourChaquePartie([&](std::string_view octets, bool deLExport) {
        utf8 += VersUtf8(octets, deLExport ? pageExport : PageDeCodeMessages);
    });
    return utf8;
}
