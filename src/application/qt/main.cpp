// The program: the regional date settings are loaded, the application
// object is built, the main window is built and shown, and the event loop
// runs until the request to end has been taken.
#include "application/qt/Accueil.h"
#include "application/qt/Application.h"
#include "dates/ChargeReglagesDate.h"

int main(int argc, char** argv) {
    ChargeReglagesDate();
    TApplication application(argc, argv);
    TAccueil accueil;
    accueil.show();
    return application.BoucleEvenements();
}
