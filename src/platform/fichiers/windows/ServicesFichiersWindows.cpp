// Windows file services: the opening, the reads and the closing of the
// export, and the Windows codes of the reader's own failures.
#include "platform/fichiers/windows/ServicesFichiersWindows.h"

#include <windows.h>

#include <optional>
#include <string>

static_assert(CodeFichier::Introuvable == ERROR_FILE_NOT_FOUND);
static_assert(CodeFichier::CheminIntrouvable == ERROR_PATH_NOT_FOUND);
static_assert(CodeFichier::TropDeFichiers == ERROR_TOO_MANY_OPEN_FILES);
static_assert(CodeFichier::AccesRefuse == ERROR_ACCESS_DENIED);
static_assert(CodeFichier::Partage == ERROR_SHARING_VIOLATION);
static_assert(CodeFichier::NomInvalide == ERROR_INVALID_NAME);
static_assert(CodeFichier::TubeRompu == ERROR_BROKEN_PIPE);
static_assert(sizeof(Poignee) >= sizeof(HANDLE));

const std::int32_t CodeFichier::LigneTropLongue = ERROR_ARITHMETIC_OVERFLOW;
const std::int32_t CodeFichier::MemoireEpuisee = ERROR_NOT_ENOUGH_MEMORY;

namespace {

HANDLE Handle(Poignee poignee) { return reinterpret_cast<HANDLE>(poignee); }

std::int32_t DerniereErreur() { return static_cast<std::int32_t>(GetLastError()); }

// The name in UTF-16, as the platform's file calls take it; nullopt when
// its bytes are not UTF-8 (a name never made by the tool's own sources).
std::optional<std::wstring> NomLarge(const char* nom, std::size_t longueur) {
    if (longueur == 0) return std::wstring();
    const int taille = static_cast<int>(longueur);
    std::wstring large(longueur, L'\0');
    const int caracteres = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, nom, taille, large.data(), taille);
    if (caracteres == 0) return std::nullopt;
    large.resize(static_cast<std::size_t>(caracteres));
    return large;
}

HANDLE OuvreNomCourt(const std::wstring& nom) {
    return CreateFileW(nom.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// A name of MAX_PATH characters or more, which the platform refuses as it
// stands: made absolute and prefixed with \\?\ so that it is taken whole.
HANDLE OuvreNomLong(const std::wstring& nom) {
    const DWORD tailleComplet = GetFullPathNameW(nom.c_str(), 0, nullptr, nullptr);
    if (tailleComplet == 0) return INVALID_HANDLE_VALUE;
    std::wstring complet(tailleComplet, L'\0');
    complet.resize(GetFullPathNameW(nom.c_str(), tailleComplet, complet.data(), nullptr));
    if (!complet.starts_with(L"\\\\?\\"))
        complet = complet.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + complet.substr(2) : L"\\\\?\\" + complet;
    return OuvreNomCourt(complet);
}

// The volume, index, size and last write of an open file.
bool LitIdentite(HANDLE fichier, IdentiteFichier& identite) {
    BY_HANDLE_FILE_INFORMATION infos{};
    if (!GetFileInformationByHandle(fichier, &infos)) return false;
    const auto double32 = [](DWORD haut, DWORD bas) { return (static_cast<std::uint64_t>(haut) << 32) | bas; };
    identite.Peripherique = infos.dwVolumeSerialNumber;
    identite.Noeud = double32(infos.nFileIndexHigh, infos.nFileIndexLow);
    identite.Taille = static_cast<std::int64_t>(double32(infos.nFileSizeHigh, infos.nFileSizeLow));
    identite.DerniereEcriture = double32(infos.ftLastWriteTime.dwHighDateTime, infos.ftLastWriteTime.dwLowDateTime);
    return true;
}

// A console, a pipe or a device is no export: refusing it spares a wait for
// input that never comes. A file whose identity is known must still be the
// one first opened, unchanged since.
std::int32_t ControleFichier(HANDLE fichier, IdentiteFichier& identite) {
    if (GetFileType(fichier) != FILE_TYPE_DISK) return CodeFichier::AccesRefuse;
    IdentiteFichier trouvee;
    if (!LitIdentite(fichier, trouvee)) return DerniereErreur();
    if (identite.EstConnue() && identite != trouvee) return CodeFichier::Partage;
    identite = trouvee;
    return 0;
}

}  // namespace

std::int32_t ServicesFichiersWindows::OuvreEnLecture(const char* nom, std::size_t longueurNom,
                                                     IdentiteFichier& identite, Poignee& poignee) {
    const std::optional<std::wstring> large = NomLarge(nom, longueurNom);
    if (!large || large->find(L'\0') != std::wstring::npos) return CodeFichier::NomInvalide;
    const HANDLE fichier = large->size() < MAX_PATH ? OuvreNomCourt(*large) : OuvreNomLong(*large);
    if (fichier == INVALID_HANDLE_VALUE) return DerniereErreur();
    if (const std::int32_t code = ControleFichier(fichier, identite); code != 0) {
        CloseHandle(fichier);
        return code;
    }
    poignee = reinterpret_cast<Poignee>(fichier);
    return 0;
}

std::int32_t ServicesFichiersWindows::Lit(Poignee poignee, unsigned char* place, std::uint32_t taille,
                                          std::uint32_t& lus) {
    DWORD nombre = 0;
    const bool reussi = ReadFile(Handle(poignee), place, taille, &nombre, nullptr);
    lus = reussi ? nombre : 0;
    return reussi ? 0 : DerniereErreur();
}

std::int32_t ServicesFichiersWindows::Ferme(Poignee poignee) {
    return CloseHandle(Handle(poignee)) ? 0 : DerniereErreur();
}

// Never destroyed: a reader that is a global may still close its file while
// the program ends.
ServicesFichiers& ServicesFichiersPlateforme() {
    static ServicesFichiersWindows& services = *new ServicesFichiersWindows;
    return services;
}
