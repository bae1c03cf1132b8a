// controle-dates-lot: the date check of the window, for scripts and batches.
// Reads its options, loads the regional date settings of the environment and
// runs one of the companion's two jobs.
#include "dates/ChargeReglagesDate.h"
#include "lot/Lot.h"
#include "platform/locale/ServicesLocale.h"
#include "platform/pagedecode/PageDeCode.h"

#include <clocale>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const Aide =
    "Usage : controle-dates-lot FICHIER\n"
    "        controle-dates-lot --date TEXTE...\n"
    "\n"
    "Contrôle les dates d'un fichier export de Tabrenn 3 comme le bouton « Traite »\n"
    "de la fenêtre, selon le format de date court des réglages régionaux et\n"
    "l'année de l'horloge.\n"
    "\n"
    "  FICHIER          écrit sur la sortie standard une ligne par date refusée\n"
    "                   (référence de l'acte, « : », date), dans l'ordre du fichier ;\n"
    "                   le type d'actes, leur nombre et le bilan vont sur la sortie\n"
    "                   d'erreur.\n"
    "  --date TEXTE...  juge chaque texte comme une date d'acte : la date reconnue\n"
    "                   (AAAA-MM-JJ) ou le refus, une ligne par texte.\n"
    "  --help           affiche cette aide.\n"
    "  --version        affiche la version.\n"
    "\n"
    "Statut de sortie : 0 si toutes les dates sont valides, 1 si au moins une est\n"
    "refusée, 2 si le fichier n'est pas un export, est illisible, ou en cas\n"
    "d'erreur d'utilisation.\n";

int ErreurUsage(const std::string& explication) {
    std::cerr << "controle-dates-lot : " << explication << "\n"
              << "Essayez « controle-dates-lot --help ».\n";
    return StatutLot::Echec;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    std::ios::sync_with_stdio(false);
    std::vector<std::string> arguments(argv + 1, argv + argc);

    if (arguments.empty()) return ErreurUsage("il manque le fichier à contrôler.");
    const std::string& premier = arguments.front();
    if (premier == "--help" || premier == "-h") {
        std::cout << Aide;
        return StatutLot::Succes;
    }
    if (premier == "--version") {
        std::cout << "controle-dates-lot " CONTROLE_VERSION "\n";
        return StatutLot::Succes;
    }

    ChargeReglagesDate();
    const Terminal terminal(ServicesLocaleCourants().GetACP(), JeuCaracteresTerminal());
    if (premier == "--date") {
        if (arguments.size() < 2) return ErreurUsage("l'option --date attend au moins un texte.");
        return JugeDatesLot({arguments.begin() + 1, arguments.end()}, terminal, std::cout);
    }

    std::size_t indice = 0;
    if (premier == "--") indice = 1;
    else if (premier.size() > 1 && premier[0] == '-') return ErreurUsage("option inconnue : " + premier);
    if (arguments.size() != indice + 1)
        return ErreurUsage(arguments.size() <= indice ? "il manque le fichier à contrôler."
                                                      : "un seul fichier à la fois.");
    return VerifieExportLot(arguments[indice], terminal, std::cout, std::cerr);
}
