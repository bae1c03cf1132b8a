// The check of "Traite" without a window, on generated exports of 10 000,
// 100 000 and 1 000 000 acts, with 1% and with every date refused. The
// refused lines are gathered as the window gathers them; the survey of
// "Ouvre" runs outside the timing.
#include "bench_controle_exports.h"

#include "dates/ChargeReglagesDate.h"

#include <benchmark/benchmark.h>

namespace {

void TraiteSansFenetre(benchmark::State& etat) {
    ReglagesDate.FormatDateCourt = Texte("dd/MM/yyyy");
    ReglagesDate.SeparateurDate = '/';
    const std::string chemin = GenereExport(etat.range(0), static_cast<int>(etat.range(1)));
    for (auto _ : etat) etat.counters["refusees"] = static_cast<double>(VerifieUneFois(etat, chemin));
    etat.SetItemsProcessed(etat.iterations() * etat.range(0));
}

BENCHMARK(TraiteSansFenetre)
    ->ArgsProduct({{10'000, 100'000, 1'000'000}, {100, 1}})
    ->ArgNames({"actes", "refusePour"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
