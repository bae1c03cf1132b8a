// Installing the platform's services with a held clock, and putting back
// what was in force before.
#include "support/ServicesAnneeTenue.h"

#include "dates/ChargeReglagesDate.h"

ServicesAnneeTenue::ServicesAnneeTenue(std::uint16_t annee)
    : plateforme_(ServicesLocalePlateforme()),
      annee_(annee),
      precedents_(&ServicesLocaleCourants()),
      reglagesPrecedents_(ReglagesDate) {
    InstalleServicesLocale(this);
    ChargeReglagesDate();
}

ServicesAnneeTenue::~ServicesAnneeTenue() {
    InstalleServicesLocale(precedents_);
    ReglagesDate = reglagesPrecedents_;
}
