// The application title rule over the platform's text services.
#include "application/win32/TitreProgramme.h"

#include "application/NomExecutable.h"

#include <windows.h>

#include <algorithm>
#include <optional>

namespace {

// The platform gives the executable's path in at most 255 characters.
constexpr std::size_t LongueurMaxChemin = 255;

// The path in the system's 8-bit code page, when each of its characters is
// there (not approached by a look-alike); under the UTF-8 code page, never:
// there the path's letters are already the system's.
std::optional<std::string> DansLaPageSysteme(const std::wstring& chemin) {
    const UINT page = GetACP();
    if (page == CP_UTF8 || chemin.empty()) return std::nullopt;
    const int taille = static_cast<int>(chemin.size());
    BOOL remplace = FALSE;
    std::string octets(chemin.size() * 2, '\0');
    octets.resize(
        static_cast<std::size_t>(WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, chemin.data(), taille, octets.data(),
                                                     static_cast<int>(octets.size()), nullptr, &remplace)));
    if (remplace || octets.empty()) return std::nullopt;
    return octets;
}

std::wstring DepuisLaPageSysteme(const std::string& octets) {
    if (octets.empty()) return std::wstring();
    std::wstring large(octets.size(), L'\0');
    large.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, octets.data(), static_cast<int>(octets.size()),
                                                              large.data(), static_cast<int>(large.size()))));
    return large;
}

}  // namespace

Texte TitreDepuisChemin(std::string chemin) {
    OemToCharA(chemin.c_str(), chemin.data());
    std::string titre(NomExecutable(chemin.c_str()));
    if (titre.empty()) return Texte();
    // The first character keeps its case, whatever its length in bytes.
    CharLowerA(CharNextA(titre.data()));
    return Texte(std::move(titre));
}

std::wstring TitreDepuisCheminLarge(std::wstring chemin) {
    chemin.resize(std::min(chemin.size(), LongueurMaxChemin));
    if (const std::optional<std::string> octets = DansLaPageSysteme(chemin))
        return DepuisLaPageSysteme(TitreDepuisChemin(*octets).Octets());
    std::wstring titre(NomExecutable(std::wstring_view(chemin)));
    if (!titre.empty()) CharLowerW(CharNextW(titre.data()));
    return titre;
}

std::wstring TitreProgramme() {
    wchar_t chemin[LongueurMaxChemin + 1] = {};
    GetModuleFileNameW(nullptr, chemin, LongueurMaxChemin + 1);
    return TitreDepuisCheminLarge(chemin);
}
