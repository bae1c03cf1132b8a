// The application title rule.
#include "application/qt/TitreApplication.h"

#include "application/qt/TexteQt.h"
#include "platform/locale/ServicesLocale.h"

#include <string_view>

namespace {

// The executable's path as the title rule sees it: at most 255 characters.
constexpr std::size_t LongueurMaxChemin = 255;

std::string_view NomDeFichier(std::string_view chemin) {
    const std::size_t separateur = chemin.find_last_of("\\/");
    return separateur == std::string_view::npos ? chemin : chemin.substr(separateur + 1);
}

std::string_view AvantPremierPoint(std::string_view nom) { return nom.substr(0, nom.find('.')); }

}  // namespace

Texte TitreDepuisChemin(const Texte& chemin) {
    const std::string_view nom = AvantPremierPoint(NomDeFichier(chemin.Vue().substr(0, LongueurMaxChemin)));
    if (nom.empty()) return Texte();
    const auto premier = static_cast<std::size_t>(ServicesLocaleCourants().LongueurCaractere(nom));
    const std::string_view tete = nom.substr(0, premier);
    const std::string_view suite = nom.substr(tete.size());
    return Texte(tete) + DepuisQString(VersQString(Texte(suite)).toLower());
}
