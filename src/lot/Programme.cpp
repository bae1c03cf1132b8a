// controle-dates-lot: the date check of the window, for scripts and batches.
// Reads its options with CLI11 (help and errors in French), loads the
// regional date settings of the environment and runs one of the companion's
// two jobs.
#include "lot/Programme.h"

#include "commun/PageDeCodeExport.h"
#include "dates/ChargeReglagesDate.h"
#include "lot/Console.h"
#include "lot/Lot.h"
#include "platform/pagedecode/PageDeCode.h"

#include <CLI/CLI.hpp>

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const Aide =
    "Usage : controle-dates-lot [OPTION...] FICHIER...\n"
    "        controle-dates-lot --date [OPTION...] TEXTE...\n"
    "\n"
    "Contrôle les dates d'exports de Tabrenn 3 comme le bouton « Traite » de la\n"
    "fenêtre, selon le format de date court des réglages régionaux et l'année de\n"
    "l'horloge. Les fichiers sont contrôlés l'un après l'autre, dans l'ordre donné.\n"
    "\n"
    "Écrit sur la sortie standard une ligne par date refusée (référence de l'acte,\n"
    "« : », date), dans l'ordre du fichier ; le type d'actes, leur nombre et le\n"
    "bilan vont sur la sortie d'erreur. Avec plusieurs fichiers, chaque ligne\n"
    "commence par le nom du fichier et « : ». Quand au moins 20 dates sont\n"
    "refusées et que plus de la moitié serait valide dans un autre ordre du jour,\n"
    "du mois et de l'année (séparés par « / », « - » ou « . »), le bilan le dit.\n"
    "\n"
    "Options :\n"
    "  -n, --numeros    fait précéder chaque ligne du rapport de son numéro de\n"
    "                   ligne dans le fichier (à partir de 1).\n"
    "      --pourquoi   fait suivre chaque date refusée de « — » et de la raison du\n"
    "                   refus.\n"
    "      --json       écrit sur la sortie standard des lignes JSON : un objet par\n"
    "                   date refusée (fichier, ligne, champ3, champ7, raison), puis\n"
    "                   un bilan par fichier (actes, nb_actes, nb_refusees, ou echec,\n"
    "                   et autre_convention quand le fichier semble suivre d'autres\n"
    "                   réglages régionaux) ;\n"
    "                   rien sur la sortie d'erreur. Un octet que la page de code\n"
    "                   ne convertit pas devient U+FFFD, et les octets exacts du\n"
    "                   champ suivent en hexadécimal (champ7_octets...).\n"
    "      --date       juge chaque TEXTE comme une date d'acte : la date reconnue\n"
    "                   (AAAA-MM-JJ) ou le refus, une ligne par texte.\n"
    "  -h, --help       affiche cette aide.\n"
    "      --version    affiche la version.\n"
    "\n"
    "Statut de sortie : 0 si toutes les dates sont valides, 1 si au moins une est\n"
    "refusée, 2 si un fichier n'est pas un export ou est illisible (les autres\n"
    "sont contrôlés quand même), ou en cas d'erreur d'utilisation.\n"
    "\n"
    "Sous Windows, la sortie s'affiche en Unicode sur une console, quelle que soit\n"
    "sa page de code ; redirigée vers un fichier ou un tube, elle est écrite en\n"
    "UTF-8.\n";

int ErreurUsage(const std::string& explication) {
    std::cerr << "controle-dates-lot : " << explication << "\n"
              << "Essayez « controle-dates-lot --help ».\n";
    return StatutLot::Echec;
}

// The French words for what the command line holds wrong.
std::string Explique(const CLI::ParseError& erreur, const std::vector<std::string>& restants) {
    if (dynamic_cast<const CLI::ExtrasError*>(&erreur) != nullptr && !restants.empty())
        return "option inconnue : " + restants.front();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&erreur) != nullptr)
        return "une option sans valeur a reçu une valeur.";
    return "ligne de commande incorrecte.";
}

struct Commande {
    OptionsLot options;
    bool aide = false;
    bool version = false;
    bool dates = false;
    std::vector<std::string> arguments;
};

}  // namespace

int ProgrammeLot(int argc, const char* const* argv) {
    PrepareSortiesConsole();
    std::setlocale(LC_ALL, "");

    Commande commande;
    CLI::App app("controle-dates-lot", "controle-dates-lot");
    app.set_help_flag();
    // A path such as /tmp/export.txt is a file, never an option, on Windows too.
    app.allow_windows_style_options(false);
    app.add_flag("-h,--help", commande.aide);
    app.add_flag("--version", commande.version);
    app.add_flag("-n,--numeros", commande.options.Numeros);
    app.add_flag("--pourquoi", commande.options.Pourquoi);
    app.add_flag("--json", commande.options.Json);
    app.add_flag("--date", commande.dates);
    app.add_option("ARGUMENTS", commande.arguments);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& erreur) {
        return ErreurUsage(Explique(erreur, app.remaining()));
    }

    if (commande.aide) {
        std::cout << Aide;
        return StatutLot::Succes;
    }
    if (commande.version) {
        std::cout << "controle-dates-lot " CONTROLE_VERSION "\n";
        return StatutLot::Succes;
    }
    if (commande.dates && commande.options.Numeros)
        return ErreurUsage("l'option --numeros ne s'applique pas aux textes de --date.");
    if (commande.arguments.empty())
        return ErreurUsage(commande.dates ? "l'option --date attend au moins un texte."
                                          : "il manque le fichier à contrôler.");

    ChargeReglagesDate();
    const std::uint32_t pageDeCode = PageDeCodeExport();
    const Terminal terminal(pageDeCode, JeuCaracteresTerminal());
    const SortiesLot sorties{terminal, pageDeCode, std::cout, std::cerr};
    if (commande.dates) return JugeDatesLot(commande.arguments, commande.options, sorties);
    return VerifieExportsLot(commande.arguments, commande.options, sorties);
}
