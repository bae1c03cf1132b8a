// Test support: regional settings held fixed for the length of a test.
//
//     ReglagesFrancais reglages(2026);   // French settings, clock in 2026
//     EXPECT_FALSE(TenteReconnaitDate("29/02/2026", date));
//
// ReglagesInstalles installs any ServicesLocaleTable (see its header) and
// loads ReglagesDate from it; the destructor puts back the services and the
// settings that were in force before. One guard at a time per test.
#pragma once

#include "dates/ChargeReglagesDate.h"
#include "support/ServicesLocaleTable.h"

class ReglagesInstalles {
public:
    explicit ReglagesInstalles(ServicesLocaleTable services);
    ~ReglagesInstalles();
    ReglagesInstalles(const ReglagesInstalles&) = delete;
    ReglagesInstalles& operator=(const ReglagesInstalles&) = delete;

    // The installed double, to change the clock or an item, then Recharge().
    ServicesLocaleTable& Services() { return services_; }
    void Recharge() { ChargeReglagesDate(); }

private:
    ServicesLocaleTable services_;
    ServicesLocale* precedents_;
    TReglagesDate reglagesPrecedents_;
};

// French (France) settings: "dd/MM/yyyy", "/", century window 50, no era,
// not Far-East, the clock in the given year.
class ReglagesFrancais : public ReglagesInstalles {
public:
    explicit ReglagesFrancais(std::uint16_t annee = 2026) : ReglagesInstalles(ServicesLocaleTable::Francais(annee)) {}
};
