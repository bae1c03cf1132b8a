// Runs a program with CreateProcessW, its two outputs read through pipes as
// it writes them, in the test's environment plus the variables given. The
// arguments, UTF-8 texts as the tests write them, reach the program as a
// Unicode command line, as Windows hands a typed command line to a program.
#include "LanceProgramme.h"

#include <windows.h>

#include <cstring>
#include <functional>
#include <thread>

namespace {

// One argument as the C runtime splits a command line: quoted when it holds
// a blank or a quote or is empty, backslashes doubled before a quote.
std::string ArgumentCite(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string cite = "\"";
    std::size_t barres = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++barres;
            continue;
        }
        cite.append(c == '"' ? 2 * barres + 1 : barres, '\\');
        barres = 0;
        cite += c;
    }
    cite.append(2 * barres, '\\');
    return cite + "\"";
}

// The test's own environment, the given NAME=value entries replacing or
// adding to it, as a block of zero-ended entries.
std::string BlocEnvironnement(const std::vector<std::string>& ajouts) {
    std::string bloc;
    char* const debut = GetEnvironmentStringsA();
    for (const char* entree = debut; *entree != '\0'; entree += std::strlen(entree) + 1) {
        const std::string_view texte = entree;
        const std::string_view nom = texte.substr(0, texte.find('=', 1) + 1);
        bool remplace = false;
        for (const std::string& ajout : ajouts) remplace = remplace || ajout.starts_with(nom);
        if (!remplace) bloc.append(texte).push_back('\0');
    }
    FreeEnvironmentStringsA(debut);
    for (const std::string& ajout : ajouts) bloc.append(ajout).push_back('\0');
    return bloc + '\0';
}

// A pipe whose writing end the program inherits.
struct Tube {
    HANDLE lecture = nullptr;
    HANDLE ecriture = nullptr;
    Tube() {
        SECURITY_ATTRIBUTES heritable{sizeof heritable, nullptr, TRUE};
        CreatePipe(&lecture, &ecriture, &heritable, 0);
        SetHandleInformation(lecture, HANDLE_FLAG_INHERIT, 0);
    }
    ~Tube() {
        if (ecriture) CloseHandle(ecriture);
        CloseHandle(lecture);
    }
    void FermeEcriture() {
        CloseHandle(ecriture);
        ecriture = nullptr;
    }
};

void LitTout(HANDLE lecture, std::string& contenu) {
    char morceau[4096];
    DWORD lus = 0;
    while (ReadFile(lecture, morceau, sizeof morceau, &lus, nullptr) && lus > 0) contenu.append(morceau, lus);
}

}  // namespace

ResultatProgramme LanceProgramme(const std::string& programme, const std::vector<std::string>& arguments,
                                 const std::vector<std::string>& environnement) {
    std::string ligne = ArgumentCite(programme);
    for (const std::string& argument : arguments) ligne += " " + ArgumentCite(argument);
    std::wstring ligneLarge(ligne.size() + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, ligne.c_str(), -1, ligneLarge.data(), static_cast<int>(ligneLarge.size()));
    std::string bloc = BlocEnvironnement(environnement);

    Tube sortie;
    Tube erreurs;
    STARTUPINFOW demarrage{};
    demarrage.cb = sizeof demarrage;
    demarrage.dwFlags = STARTF_USESTDHANDLES;
    demarrage.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    demarrage.hStdOutput = sortie.ecriture;
    demarrage.hStdError = erreurs.ecriture;
    PROCESS_INFORMATION processus{};
    ResultatProgramme resultat;
    if (!CreateProcessW(nullptr, ligneLarge.data(), nullptr, nullptr, TRUE, 0, bloc.data(), nullptr, &demarrage,
                        &processus))
        return resultat;
    sortie.FermeEcriture();
    erreurs.FermeEcriture();
    std::thread lecteurErreurs(LitTout, erreurs.lecture, std::ref(resultat.erreurs));
    LitTout(sortie.lecture, resultat.sortie);
    lecteurErreurs.join();
    WaitForSingleObject(processus.hProcess, INFINITE);
    DWORD statut = 0;
    GetExitCodeProcess(processus.hProcess, &statut);
    resultat.statut = static_cast<int>(statut);
    CloseHandle(processus.hThread);
    CloseHandle(processus.hProcess);
    return resultat;
}
