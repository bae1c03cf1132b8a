// The executable's name as the application title takes it.
#include "application/NomExecutable.h"

namespace {
// The platform gives the executable's path in at most 255 characters.
constexpr std::size_t LongueurMaxChemin = 255;
}  // namespace

std::string_view NomExecutable(std::string_view chemin) {
    chemin = chemin.substr(0, LongueurMaxChemin);
    const std::size_t separateur = chemin.find_last_of("\\/");
    const std::string_view nom = separateur == std::string_view::npos ? chemin : chemin.substr(separateur + 1);
    return nom.substr(0, nom.find('.'));
}
