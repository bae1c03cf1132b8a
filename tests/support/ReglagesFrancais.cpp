// Installing and removing the settings of a test.
#include "support/ReglagesFrancais.h"

ReglagesInstalles::ReglagesInstalles(ServicesLocaleTable services)
    : services_(std::move(services)), precedents_(&ServicesLocaleCourants()), reglagesPrecedents_(ReglagesDate) {
    InstalleServicesLocale(&services_);
    ChargeReglagesDate();
}

ReglagesInstalles::~ReglagesInstalles() {
    ReglagesDate = reglagesPrecedents_;
    InstalleServicesLocale(precedents_);
}
