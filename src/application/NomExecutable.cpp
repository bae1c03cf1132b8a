// The executable's name as the application title takes it.
#include "application/NomExecutable.h"

namespace {

// The platform gives the executable's path in at most 255 characters.
constexpr std::size_t LongueurMaxChemin = 255;

template <typename Caractere>
std::basic_string_view<Caractere> NomDansChemin(std::basic_string_view<Caractere> chemin) {
    constexpr Caractere Separateurs[] = {'\\', '/', 0};
    chemin = chemin.substr(0, LongueurMaxChemin);
    const std::size_t separateur = chemin.find_last_of(Separateurs);
    const auto nom = separateur == std::basic_string_view<Caractere>::npos ? chemin : chemin.substr(separateur + 1);
    return nom.substr(0, nom.find(Caractere{'.'}));
}

}  // namespace

std::string_view NomExecutable(std::string_view chemin) { return NomDansChemin(chemin); }

std::wstring_view NomExecutable(std::wstring_view chemin) { return NomDansChemin(chemin); }
