// The program: the process's DLL search and ghosting set, COM ready on the
// window's thread (what screen readers ask of the controls goes through
// it), the regional date settings loaded, the application object built,
// then the main window,
// shown as the platform asked, the files given on the command line (in
// UTF-16) opened at the first turn of the event loop, and the loop run until
// the request to end has been taken. A window that cannot be built (the
// system's rich-text control missing) is a failure shown in the failure
// display, and the run ends with status 1.
#include "application/win32/Accueil.h"
#include "application/win32/Application.h"
#include "application/win32/Processus.h"
#include "dates/ChargeReglagesDate.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The program's arguments, its own name left out.
std::vector<std::wstring> Arguments() {
    int nombre = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &nombre);
    if (!arguments) return {};
    std::vector<std::wstring> noms(arguments + std::min(nombre, 1), arguments + nombre);
    LocalFree(arguments);
    return noms;
}

// COM in a single-threaded apartment, for the run.
struct Com {
    Com() : pret(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~Com() {
        if (pret) CoUninitialize();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    bool pret;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int etatDemarrage) {
    PrepareProcessus();
    const Com com;
    ChargeReglagesDate();
    TApplication application(instance);
    try {
        TAccueil accueil;
        accueil.OuvreAuDemarrage(Arguments());
        return application.BoucleEvenements(etatDemarrage);
    } catch (const Exception& echec) {
        application.AfficheErreur(echec);
        return 1;
    }
}
