// The file services in force: the platform's own unless a test installed
// others.
#include "platform/fichiers/ServicesFichiers.h"

namespace {
ServicesFichiers* servicesInstalles = nullptr;
}

ServicesFichiers& ServicesFichiersCourants() {
    return servicesInstalles != nullptr ? *servicesInstalles : ServicesFichiersPlateforme();
}

void InstalleServicesFichiers(ServicesFichiers* services) { servicesInstalles = services; }
