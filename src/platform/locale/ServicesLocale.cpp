// The locale services in force: the platform's own unless a test installed
// others.
#include "platform/locale/ServicesLocale.h"

namespace {
ServicesLocale* servicesInstalles = nullptr;
}

ServicesLocale& ServicesLocaleCourants() {
    return servicesInstalles != nullptr ? *servicesInstalles : ServicesLocalePlateforme();
}

void InstalleServicesLocale(ServicesLocale* services) { servicesInstalles = services; }
