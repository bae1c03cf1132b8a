// The table of messages, checked when the tool is built, turned from UTF-8
// into the messages' code page once, and the formatting of its entries.
#include "commun/Messages.h"

#include "platform/pagedecode/PageDeCode.h"

#include <map>
#include <utility>

// Where the build stops on a fault of the table: the number of the line at
// fault is shown with the failed assertion.
constexpr int LigneMalFormee = PremiereLigneMalFormee(TableMessagesUtf8);
static_assert(LigneMalFormee == 0,
              "resources/messages.txt : cette ligne n'est ni une note ni « numéro, tabulation, texte »");
constexpr int LigneEnDouble = PremiereEntreeEnDouble(TableMessagesUtf8);
static_assert(LigneEnDouble == 0, "resources/messages.txt : le numéro de cette ligne a déjà son entrée");

namespace {

using Table = std::map<std::uint16_t, Texte>;

Table LitTable(std::string_view source) {
    Table table;
    ParcourtMessages(source, [&table](const LigneMessages& ligne, int) {
        if (ligne.genre == LigneMessages::Genre::Entree)
            table[ligne.numero] = DepuisUtf8(ligne.texte, PageDeCodeMessages);
        return true;
    });
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
