// The table of messages, turned from UTF-8 into the messages' code page once,
// and the formatting of its entries.
#include "commun/Messages.h"

#include "platform/pagedecode/PageDeCode.h"

#include <charconv>
#include <map>
#include <utility>

extern const std::string_view TableMessagesUtf8;

namespace {

using Table = std::map<std::uint16_t, Texte>;

// Reads "number<TAB>text" lines; blank lines and lines starting with # are notes.
Table LitTable(std::string_view source) {
    Table table;
    while (!source.empty()) {
        const std::size_t fin = source.find('\n');
        std::string_view ligne = source.substr(0, fin);
        source = fin == std::string_view::npos ? std::string_view() : source.substr(fin + 1);
        const std::size_t tab = ligne.find('\t');
        if (ligne.empty() || ligne.front() == '#' || tab == std::string_view::npos) continue;
        std::uint16_t id = 0;
        std::from_chars(ligne.data(), ligne.data() + tab, id);
        table[id] = DepuisUtf8(ligne.substr(tab + 1), PageDeCodeMessages);
    }
    return table;
}

const Table& TableMessages() {
    static const Table table = LitTable(TableMessagesUtf8);
    return table;
}

}  // namespace

const Texte& ChaineRessource(std::uint16_t id) {
    static const Texte vide;
    const auto& table = TableMessages();
    const auto trouve = table.find(id);
    return trouve == table.end() ? vide : trouve->second;
}

TexteMixte FormateMessage(const Texte& modele, std::initializer_list<ArgumentMessage> arguments) {
    const std::string_view m = modele.Vue();
    TexteMixte sortie;
    std::string fixe;
    const auto ajoute = [&](const TexteMixte& partie) {
        sortie += Texte(std::exchange(fixe, {}));
        sortie += partie;
    };
    auto argument = arguments.begin();
    for (std::size_t i = 0; i < m.size(); ++i) {
        const bool directive = m[i] == '%' && i + 1 < m.size();
        if (!directive) {
            fixe += m[i];
            continue;
        }
        const char lettre = m[i + 1];
        if (lettre == '%') {
            fixe += '%';
            ++i;
        } else if (lettre == 's' && argument != arguments.end() && std::holds_alternative<TexteMixte>(*argument)) {
            ajoute(std::get<TexteMixte>(*argument++));
            ++i;
        } else if (lettre == 'd' && argument != arguments.end() && std::holds_alternative<std::int32_t>(*argument)) {
            fixe += std::to_string(std::get<std::int32_t>(*argument++));
            ++i;
        } else {
            fixe += m[i];
        }
    }
    ajoute({});
    return sortie;
}

TexteMixte MessageRessource(std::uint16_t id, std::initializer_list<ArgumentMessage> arguments) {
    return FormateMessage(ChaineRessource(id), arguments);
}
