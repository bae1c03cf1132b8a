// Recognition of a whole text as a date, with or without raising.
#include "dates/ReconnaitDate.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "dates/AnalyseDate.h"

#include <limits>

namespace {

bool ReconnaitSous(const FormeDate& forme, std::string_view texte, TDateSerie& date, RaisonRefus* raison) {
    if (raison != nullptr) *raison = {};
    if (texte.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        if (raison != nullptr) raison->Motif = MotifRefus::TexteTropLong;
        return false;
    }
    std::int32_t position = 1;
    TDateSerie lue = 0;
    if (!AnalyseDate(texte, position, lue, raison, forme)) return false;
    if (static_cast<std::size_t>(position) <= texte.size()) {
        if (raison != nullptr) {
            raison->Motif = MotifRefus::TexteEnTrop;
            raison->Position = position;
            raison->Longueur = static_cast<std::int32_t>(texte.size()) - position + 1;
        }
        return false;
    }
    date = lue;
    return true;
}

}  // namespace

bool TenteReconnaitDate(std::string_view texte, TDateSerie& date, RaisonRefus* raison) {
    return ReconnaitSous(FormeDesReglages(), texte, date, raison);
}

bool EstDateSous(const FormeDate& forme, std::string_view texte) {
    TDateSerie date = 0;
    return ReconnaitSous(forme, texte, date, nullptr);
}

TDateSerie ReconnaitDate(const Texte& texte) {
    TDateSerie date = 0;
    if (!TenteReconnaitDate(texte.Vue(), date))
        throw EConvertError(MessageRessource(Msg::DateIncorrecte, {TexteMixte::DeLExport(texte)}));
    return date;
}
