// Recognitions per second under French settings: valid dates, refused texts
// and a mix, without raising (TenteReconnaitDate) and through ReconnaitDate.
#include "commun/Exceptions.h"
#include "dates/ReconnaitDate.h"
#include "platform/locale/linux/ServicesLocaleLinux.h"
#include "support/ReglagesFrancais.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> Valides = {"12/05/1850", "01/01/1900", "29/02/2000", "31/12/1999", "7/3/1875",
                                          "15/08/1944", "30/12/1899", "1/1/5",      "12/05",      "28/02/76"};
const std::vector<std::string> Refusees = {"31/02/1850",  "29/02/1900", "12-05-1850",    "12/13/1850", "",
                                           "12/05/1850a", "?/?/1850",   "12345/05/1850", "12/05/",     "00/01/1850"};

std::vector<std::string> Melange() {
    std::vector<std::string> textes;
    for (std::size_t i = 0; i < Valides.size(); ++i) {
        textes.push_back(Valides[i]);
        if (i % 5 == 0) textes.push_back(Refusees[i]);
    }
    return textes;
}

void Tente(benchmark::State& etat, const std::vector<std::string>& textes) {
    ReglagesFrancais reglages(2026);
    std::size_t i = 0;
    for (auto _ : etat) {
        TDateSerie date = 0;
        benchmark::DoNotOptimize(TenteReconnaitDate(textes[i], date));
        benchmark::DoNotOptimize(date);
        i = i + 1 == textes.size() ? 0 : i + 1;
    }
    etat.SetItemsProcessed(etat.iterations());
}

void Reconnait(benchmark::State& etat, const std::vector<std::string>& source) {
    ReglagesFrancais reglages(2026);
    std::vector<Texte> textes(source.begin(), source.end());
    std::size_t i = 0;
    for (auto _ : etat) {
        try {
            benchmark::DoNotOptimize(ReconnaitDate(textes[i]));
        } catch (const EConvertError&) {}
        i = i + 1 == textes.size() ? 0 : i + 1;
    }
    etat.SetItemsProcessed(etat.iterations());
}

// Under glibc's fr_FR.UTF-8 data and the real clock (two-digit years read it).
void TenteSousGlibc(benchmark::State& etat) {
    ServicesLocaleLinux services("fr_FR.UTF-8", "fr_FR.UTF-8");
    const TReglagesDate precedents = ReglagesDate;
    InstalleServicesLocale(&services);
    ChargeReglagesDate();
    std::size_t i = 0;
    for (auto _ : etat) {
        TDateSerie date = 0;
        benchmark::DoNotOptimize(TenteReconnaitDate(Valides[i], date));
        i = i + 1 == Valides.size() ? 0 : i + 1;
    }
    etat.SetItemsProcessed(etat.iterations());
    InstalleServicesLocale(nullptr);
    ReglagesDate = precedents;
}

}  // namespace

BENCHMARK_CAPTURE(Tente, valides, Valides);
BENCHMARK_CAPTURE(Tente, refusees, Refusees);
BENCHMARK_CAPTURE(Tente, melange, Melange());
BENCHMARK_CAPTURE(Reconnait, valides, Valides);
BENCHMARK_CAPTURE(Reconnait, refusees, Refusees);
BENCHMARK(TenteSousGlibc);
