// The program: the process's DLL search and ghosting set, the regional date
// settings loaded, the application object built, then the main window,
// shown as the platform asked, and the event loop run until the request to
// end has been taken. A window that cannot be built (the system's rich-text
// control missing) is a failure shown in the failure display, and the run
// ends with status 1.
#include "application/win32/Accueil.h"
#include "application/win32/Application.h"
#include "application/win32/Processus.h"
#include "dates/ChargeReglagesDate.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int etatDemarrage) {
    PrepareProcessus();
    ChargeReglagesDate();
    TApplication application(instance);
    try {
        TAccueil accueil;
        return application.BoucleEvenements(etatDemarrage);
    } catch (const Exception& echec) {
        application.AfficheErreur(echec);
        return 1;
    }
}
