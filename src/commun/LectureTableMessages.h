// Reading the table of messages as written (resources/messages.txt): one
// entry a line, its number (1 to 65535), a tab and its text; empty lines and
// lines that begin with # are notes; any other line is malformed, and so is
// a line that holds a CR. Written for the compiler as well as for the tool:
// the build checks the table with the same reading that the tool makes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct LigneMessages {
    enum class Genre { Note, Entree, MalFormee };
    Genre genre = Genre::Note;
    std::uint16_t numero = 0;
    std::string_view texte;
};

constexpr LigneMessages LitLigneMessages(std::string_view ligne) {
    constexpr LigneMessages malFormee{LigneMessages::Genre::MalFormee, 0, {}};
    if (ligne.empty() || ligne.front() == '#') return {};
    const std::size_t tab = ligne.find('\t');
    if (tab == std::string_view::npos || tab == 0 || tab > 5 || tab + 1 == ligne.size() ||
        ligne.find('\r') != std::string_view::npos)
        return malFormee;
    std::uint32_t numero = 0;
    for (const char chiffre : ligne.substr(0, tab)) {
        if (chiffre < '0' || chiffre > '9') return malFormee;
        numero = numero * 10 + static_cast<std::uint32_t>(chiffre - '0');
    }
    if (numero == 0 || numero > 65535) return malFormee;
    return {LigneMessages::Genre::Entree, static_cast<std::uint16_t>(numero), ligne.substr(tab + 1)};
}

// Hands each line of the table, with its number from 1, to action, until
// action answers false.
template <typename Action>
constexpr void ParcourtMessages(std::string_view table, Action action) {
    for (int numeroLigne = 1; !table.empty(); ++numeroLigne) {
        const std::size_t fin = table.find('\n');
        if (!action(LitLigneMessages(table.substr(0, fin)), numeroLigne)) return;
        table = fin == std::string_view::npos ? std::string_view() : table.substr(fin + 1);
    }
}

// The number of the first malformed line; 0 when there is none.
constexpr int PremiereLigneMalFormee(std::string_view table) {
    int trouvee = 0;
    ParcourtMessages(table, [&](const LigneMessages& ligne, int numeroLigne) {
        if (ligne.genre == LigneMessages::Genre::MalFormee) trouvee = numeroLigne;
        return trouvee == 0;
    });
    return trouvee;
}

constexpr bool ContientEntree(std::string_view table, std::uint16_t numero) {
    bool trouvee = false;
    ParcourtMessages(table, [&](const LigneMessages& ligne, int) {
        trouvee = ligne.genre == LigneMessages::Genre::Entree && ligne.numero == numero;
        return !trouvee;
    });
    return trouvee;
}

// The number of the first line whose entry's number an earlier entry has;
// 0 when every number has one entry.
constexpr int PremiereEntreeEnDouble(std::string_view table) {
    // One pass, the numbers met so far marked: the compiler's budget of
    // steps does not run out as the table grows.
    std::array<bool, 65536> vus{};
    int trouvee = 0;
    ParcourtMessages(table, [&](const LigneMessages& ligne, int numeroLigne) {
        if (ligne.genre != LigneMessages::Genre::Entree) return true;
        if (vus[ligne.numero]) trouvee = numeroLigne;
        vus[ligne.numero] = true;
        return trouvee == 0;
    });
    return trouvee;
}
