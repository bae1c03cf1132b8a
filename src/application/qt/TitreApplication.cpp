// The application title rule.
#include "application/qt/TitreApplication.h"

#include "application/NomExecutable.h"
#include "application/qt/TexteQt.h"
#include "platform/locale/ServicesLocale.h"

#include <string_view>

Texte TitreDepuisChemin(const Texte& chemin) {
    const std::string_view nom = NomExecutable(chemin.Vue());
    if (nom.empty()) return Texte();
    const auto premier = static_cast<std::size_t>(ServicesLocaleCourants().LongueurCaractere(nom));
    const std::string_view tete = nom.substr(0, premier);
    const std::string_view suite = nom.substr(tete.size());
    return Texte(tete) + DepuisQString(SystemeVersQString(Texte(suite)).toLower());
}
