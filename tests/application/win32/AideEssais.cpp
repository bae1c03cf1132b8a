// A second Windows program for the end-to-end test of the window, run in
// the same Wine prefix as the tool:
//
//   aide-essais tient FICHIER   holds the file open for writing, says
//                               "ouvert" on standard output, and waits to be
//                               ended (at most two minutes);
//   aide-essais boite TITRE     waits (at most 180 s) for a shown message box
//                               of that caption and writes its text, in
//                               UTF-8, on standard output;
//   aide-essais presse-papiers  writes the Unicode text of the clipboard, in
//                               UTF-8, on standard output;
//   aide-essais fenetre         waits (at most 180 s) for the tool's main
//                               window and writes its caption, then its
//                               client area: width, height, and the screen
//                               position of its top left corner;
//   aide-essais occupee S       waits (at most 180 s) for the tool's progress
//                               bar to show, then S seconds, and writes
//                               whether Windows takes the window for hung
//                               and where the bar stands: "pendue 0, barre
//                               POSITION/MAXIMUM".
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void EcritUtf8(const wchar_t* texte, const char* fin) {
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, texte, -1, nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, texte, -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    std::printf("%s%s", utf8.c_str(), fin);
}

int Tient(const char* chemin) {
    const HANDLE fichier = CreateFileA(chemin, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) {
        std::printf("erreur %lu\n", GetLastError());
        return 1;
    }
    std::printf("ouvert\n");
    std::fflush(stdout);
    Sleep(120000);
    CloseHandle(fichier);
    return 0;
}

struct Recherche {
    const char* Classe;
    const char* Titre;  // nullptr: any
    HWND Trouvee;
};

BOOL CALLBACK Cherche(HWND fenetre, LPARAM parametre) {
    auto& recherche = *reinterpret_cast<Recherche*>(parametre);
    char classe[32] = {};
    char titre[256] = {};
    GetClassNameA(fenetre, classe, sizeof classe);
    GetWindowTextA(fenetre, titre, sizeof titre);
    if (std::strcmp(classe, recherche.Classe) != 0 || !IsWindowVisible(fenetre) ||
        (recherche.Titre && std::strcmp(titre, recherche.Titre) != 0))
        return TRUE;
    recherche.Trouvee = fenetre;
    return FALSE;
}

// The shown top-level window of that class (and caption), waited for (a
// long check may end in its box after a minute or more on a busy machine).
HWND Attends(const char* classe, const char* titre) {
    for (int essai = 0; essai < 1800; ++essai) {
        Recherche recherche{classe, titre, nullptr};
        EnumWindows(Cherche, reinterpret_cast<LPARAM>(&recherche));
        if (recherche.Trouvee) return recherche.Trouvee;
        Sleep(100);
    }
    std::printf("aucune fenetre %s \"%s\"\n", classe, titre ? titre : "");
    return nullptr;
}

int Boite(const char* titre) {
    // The identifier of the text of a message box.
    constexpr int TexteBoite = 0xFFFF;
    const HWND boite = Attends("#32770", titre);
    if (!boite) return 1;
    wchar_t texte[1024] = {};
    GetDlgItemTextW(boite, TexteBoite, texte, 1024);
    EcritUtf8(texte, "\n");
    return 0;
}

int PressePapiers() {
    if (!OpenClipboard(nullptr)) return 1;
    const HANDLE donnees = GetClipboardData(CF_UNICODETEXT);
    const auto* texte = donnees ? static_cast<const wchar_t*>(GlobalLock(donnees)) : nullptr;
    if (texte) EcritUtf8(texte, "");
    if (texte) GlobalUnlock(donnees);
    CloseClipboard();
    return texte ? 0 : 1;
}

int Fenetre() {
    const HWND fenetre = Attends("TAccueil", nullptr);
    if (!fenetre) return 1;
    char titre[256] = {};
    GetWindowTextA(fenetre, titre, sizeof titre);
    RECT zone{};
    GetClientRect(fenetre, &zone);
    POINT coin{0, 0};
    ClientToScreen(fenetre, &coin);
    std::printf("%s\n%ld %ld %ld %ld\n", titre, zone.right, zone.bottom, coin.x, coin.y);
    return 0;
}

// A message the window answers within 2 s, or -1.
LRESULT Demande(HWND fenetre, UINT message, WPARAM w = 0) {
    DWORD_PTR reponse = 0;
    if (!SendMessageTimeoutW(fenetre, message, w, 0, SMTO_ABORTIFHUNG, 2000, &reponse)) return -1;
    return static_cast<LRESULT>(reponse);
}

int Occupee(int secondes) {
    const HWND fenetre = Attends("TAccueil", nullptr);
    const HWND barre = fenetre ? FindWindowExW(fenetre, nullptr, L"msctls_progress32", nullptr) : nullptr;
    for (int essai = 0; barre && !IsWindowVisible(barre) && essai < 1800; ++essai) Sleep(100);
    if (!barre || !IsWindowVisible(barre)) return 1;
    Sleep(static_cast<DWORD>(secondes) * 1000);
    const BOOL pendue = IsHungAppWindow(fenetre);
    std::printf("pendue %d, barre %lld/%lld\n", pendue, static_cast<long long>(Demande(barre, PBM_GETPOS)),
                static_cast<long long>(Demande(barre, PBM_GETRANGE, FALSE)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "tient") return Tient(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "boite") return Boite(argv[2]);
    if (argc == 2 && std::string(argv[1]) == "fenetre") return Fenetre();
    if (argc == 2 && std::string(argv[1]) == "presse-papiers") return PressePapiers();
    if (argc == 3 && std::string(argv[1]) == "occupee") return Occupee(std::atoi(argv[2]));
    std::fprintf(stderr, "usage : aide-essais tient FICHIER | boite TITRE | fenetre | presse-papiers | occupee S\n");
    return 2;
}
