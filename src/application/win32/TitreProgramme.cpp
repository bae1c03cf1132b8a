// The application title rule over the platform's text services.
#include "application/win32/TitreProgramme.h"

#include "application/NomExecutable.h"

#include <windows.h>

namespace {
// The platform gives the executable's path in at most 255 characters.
constexpr DWORD TailleChemin = 256;
}  // namespace

Texte TitreDepuisChemin(std::string chemin) {
    OemToCharA(chemin.c_str(), chemin.data());
    std::string titre(NomExecutable(chemin.c_str()));
    if (titre.empty()) return Texte();
    // The first character keeps its case, whatever its length in bytes.
    CharLowerA(CharNextA(titre.data()));
    return Texte(std::move(titre));
}

Texte TitreProgramme() {
    char chemin[TailleChemin] = {};
    GetModuleFileNameA(nullptr, chemin, TailleChemin);
    return TitreDepuisChemin(chemin);
}
