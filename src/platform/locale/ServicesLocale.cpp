// The locale services in force: glibc's unless a test installed others.
#include "platform/locale/ServicesLocale.h"

#include "platform/locale/ServicesLocaleLinux.h"

namespace {
ServicesLocale* servicesInstalles = nullptr;
}

ServicesLocale& ServicesLocaleCourants() {
    if (servicesInstalles) return *servicesInstalles;
    static ServicesLocaleLinux servicesLinux;
    return servicesLinux;
}

void InstalleServicesLocale(ServicesLocale* services) { servicesInstalles = services; }
