// The file services in force.
#include "platform/fichiers/ServicesFichiers.h"

#include "platform/fichiers/ServicesFichiersLinux.h"

namespace {
ServicesFichiers* servicesInstalles = nullptr;
}

ServicesFichiers& ServicesFichiersCourants() {
    static ServicesFichiersLinux linux;
    return servicesInstalles != nullptr ? *servicesInstalles : linux;
}

void InstalleServicesFichiers(ServicesFichiers* services) { servicesInstalles = services; }
