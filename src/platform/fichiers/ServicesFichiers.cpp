// The file services in force.
#include "platform/fichiers/ServicesFichiers.h"

#include "platform/fichiers/ServicesFichiersLinux.h"

namespace {
ServicesFichiers* servicesInstalles = nullptr;
}

// Never destroyed: a reader that is a global may still close its file
// while the program ends.
ServicesFichiers& ServicesFichiersCourants() {
    static ServicesFichiersLinux& linux = *new ServicesFichiersLinux;
    return servicesInstalles != nullptr ? *servicesInstalles : linux;
}

void InstalleServicesFichiers(ServicesFichiers* services) { servicesInstalles = services; }
