// The process's DLL search and ghosting, and the loading of a system DLL.
#include "application/win32/Processus.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"

#include <string>

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, for headers that predate it.
constexpr DWORD RechercheSysteme32 = 0x00000800;

using FixeDossiersDll = BOOL(WINAPI*)(DWORD);

// SetDefaultDllDirectories, absent from Windows Vista and 7 without their
// update of 2011: looked up rather than imported, so that they still start.
FixeDossiersDll FonctionDossiersDll() {
    const FARPROC fonction = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    return reinterpret_cast<FixeDossiersDll>(reinterpret_cast<void (*)()>(fonction));
}

std::string DossierSysteme() {
    char dossier[MAX_PATH] = {};
    const UINT longueur = GetSystemDirectoryA(dossier, MAX_PATH);
    return longueur < MAX_PATH ? std::string(dossier, longueur) : std::string();
}

}  // namespace

void PrepareProcessus() {
    if (const FixeDossiersDll fixe = FonctionDossiersDll()) fixe(RechercheSysteme32);
    else SetDllDirectoryA("");
    DisableProcessWindowsGhosting();
}

HMODULE ChargeBibliothequeSysteme(const char* nom) {
    const std::string chemin = DossierSysteme() + "\\" + nom;
    const HMODULE module = LoadLibraryExA(chemin.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) throw Exception(MessageRessource(Msg::BibliothequeSysteme, {Texte(chemin)}));
    return module;
}
