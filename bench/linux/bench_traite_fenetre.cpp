// The time of "Traite" in the real window (to be run under Xvfb, where
// painting costs what it costs on a desktop), against the same check without
// a window, on generated exports of 10 000, 100 000 and 1 000 000 acts with
// no date, 1% and every date refused. "Ouvre" runs outside the timing; the peak
// resident memory is reported with each case.
#include "bench_controle_exports.h"

#include "application/BoitesRepondues.h"
#include "application/qt/Accueil.h"
#include "application/qt/Application.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"
#include "support/ReglagesFrancais.h"

#include <QTest>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

double MemoireMaxMo() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void TraiteSansFenetre(benchmark::State& etat) {
    ReglagesFrancais reglages(2026);
    const std::string chemin = GenereExport(etat.range(0), static_cast<int>(etat.range(1)));
    for (auto _ : etat) VerifieUneFois(etat, chemin);
    etat.counters["memoire_Mo"] = MemoireMaxMo();
}

void TraiteDansLaFenetre(benchmark::State& etat) {
    ReglagesFrancais reglages(2026);
    const std::string chemin = GenereExport(etat.range(0), static_cast<int>(etat.range(1)));
    TAccueil accueil;
    accueil.show();
    if (!QTest::qWaitForWindowExposed(&accueil)) etat.SkipWithError("fenêtre non affichée");
    BoitesRepondues boites;
    Application->RepondeurDialogue = [&](const QString&) {
        return std::optional<QString>(QString::fromStdString(chemin));
    };
    for (auto _ : etat) {
        etat.PauseTiming();
        ReinitialiseDepart();
        accueil.BoutonOuvre->click();
        etat.ResumeTiming();
        accueil.BoutonTraite->click();
    }
    Application->RepondeurDialogue = nullptr;
    etat.counters["peintures"] = accueil.Progression->NombrePeintures();
    etat.counters["lignes_rapport"] = static_cast<double>(accueil.Entree->document()->blockCount() - 1);
    etat.counters["memoire_Mo"] = MemoireMaxMo();
}

const std::vector<std::vector<std::int64_t>> Tailles = {{10'000, 100'000, 1'000'000}, {0, 100, 1}};

BENCHMARK(TraiteSansFenetre)->ArgsProduct(Tailles)->ArgNames({"actes", "refusePour"})->Unit(benchmark::kMillisecond);
BENCHMARK(TraiteDansLaFenetre)->ArgsProduct(Tailles)->ArgNames({"actes", "refusePour"})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
