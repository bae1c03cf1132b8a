// The program: the regional date settings are loaded, the application
// object is built, the main window is built, then shown as the platform
// asked, and the event loop runs until the request to end has been taken.
#include "application/win32/Accueil.h"
#include "application/win32/Application.h"
#include "dates/ChargeReglagesDate.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int etatDemarrage) {
    ChargeReglagesDate();
    TApplication application(instance);
    TAccueil accueil;
    return application.BoucleEvenements(etatDemarrage);
}
