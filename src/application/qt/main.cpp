// The program: the regional date settings are loaded, the application
// object is built (the run ends in French, status 1, when there is no
// graphical display), the main window is built and shown, the files given
// on the command line are opened at the first turn of the event loop, and
// the loop runs until the request to end has been taken.
#include "application/qt/Accueil.h"
#include "application/qt/Application.h"
#include "application/qt/SansAffichage.h"
#include "dates/ChargeReglagesDate.h"

#include <optional>
#include <vector>

int main(int argc, char** argv) {
    QuitteSansAffichage();
    ChargeReglagesDate();
    std::optional<GardeAffichage> garde(std::in_place);
    TApplication application(argc, argv);
    garde.reset();
    TAccueil accueil;
    accueil.show();
    // Qt has taken its own options out of the arguments.
    std::vector<NomFichier> noms;
    for (char** argument = argv + 1; argument < argv + argc; ++argument) noms.emplace_back(*argument);
    accueil.OuvreAuDemarrage(noms);
    return application.BoucleEvenements();
}
