// Reading the locale names of the environment and of the user's
// regional-format file.
#include "platform/locale/linux/LocaleUtilisateur.h"

#include <cstdlib>
#include <fstream>
#include <map>

namespace {

std::string VariableNonVide(const char* nom) {
    const char* valeur = std::getenv(nom);
    return valeur ? std::string(valeur) : std::string();
}

std::string PremiereVariable(std::initializer_list<const char*> noms) {
    for (const char* nom : noms)
        if (std::string valeur = VariableNonVide(nom); !valeur.empty()) return valeur;
    return "C";
}

std::string_view SansBlancs(std::string_view texte) {
    const auto debut = texte.find_first_not_of(" \t\r");
    if (debut == std::string_view::npos) return {};
    const auto fin = texte.find_last_not_of(" \t\r");
    return texte.substr(debut, fin - debut + 1);
}

// The value of a KEY=value line, without the quotes that may surround it.
std::string_view ValeurSansGuillemets(std::string_view valeur) {
    valeur = SansBlancs(valeur);
    if (valeur.size() >= 2 && (valeur.front() == '"' || valeur.front() == '\'') && valeur.back() == valeur.front())
        return valeur.substr(1, valeur.size() - 2);
    return valeur;
}

}  // namespace

std::filesystem::path FichierLocaleUtilisateur() {
    const std::filesystem::path configuration = VariableNonVide("XDG_CONFIG_HOME");
    if (configuration.is_absolute()) return configuration / "locale.conf";
    const std::string maison = VariableNonVide("HOME");
    if (maison.empty()) return {};
    return std::filesystem::path(maison) / ".config" / "locale.conf";
}

std::optional<std::string> LocaleDuFichier(const std::filesystem::path& fichier) {
    if (fichier.empty()) return std::nullopt;
    std::ifstream flux(fichier);
    std::map<std::string, std::string, std::less<>> valeurs;
    for (std::string ligne; std::getline(flux, ligne);) {
        std::string_view reste = SansBlancs(ligne);
        if (reste.starts_with("export ")) reste = SansBlancs(reste.substr(7));
        const auto egal = reste.find('=');
        if (reste.empty() || reste.front() == '#' || egal == std::string_view::npos) continue;
        valeurs[std::string(SansBlancs(reste.substr(0, egal)))] = ValeurSansGuillemets(reste.substr(egal + 1));
    }
    for (const char* cle : {"LC_ALL", "LC_TIME", "LANG"})
        if (const auto trouve = valeurs.find(cle); trouve != valeurs.end() && !trouve->second.empty())
            return trouve->second;
    return std::nullopt;
}

std::string LocaleDateEnvironnement() { return PremiereVariable({"LC_ALL", "LC_TIME", "LANG"}); }

std::string LocaleCaracteresEnvironnement() { return PremiereVariable({"LC_ALL", "LC_CTYPE", "LANG"}); }

std::string LocaleUtilisateurParDefaut(std::string_view localeDeDemarrage) {
    return LocaleDuFichier(FichierLocaleUtilisateur()).value_or(std::string(localeDeDemarrage));
}
