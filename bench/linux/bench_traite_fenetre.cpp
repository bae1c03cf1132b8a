// The time of "Traite" in the real window (to be run under Xvfb, where
// painting costs what it costs on a desktop), against the same check without
// a window, on generated exports of 10 000, 100 000 and 1 000 000 acts with
// no date, 1% and every date refused. "Ouvre" runs outside the timing; the peak
// resident memory is reported with each case.
//
// Then the memory of a report of 1 000 000 refused dates in the window: the
// resident size once "Traite" has filled the box, and again after the
// tooltip of every thousandth line has given its reason; with references
// that hold " : " (every line's reading noted by the check), the same.
#include "bench_controle_exports.h"

#include "application/BoitesRepondues.h"
#include "application/InfobulleSousLePointeur.h"
#include "application/qt/Accueil.h"
#include "application/qt/Application.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"
#include "support/ReglagesFrancais.h"

#include <QTest>

#include <benchmark/benchmark.h>

#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

namespace {

double MemoireMaxMo() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The resident size now, in MB.
double MemoireMo() {
    std::ifstream statm("/proc/self/statm");
    double taille = 0, resident = 0;
    statm >> taille >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
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

void MemoireRapportEtRaisons(benchmark::State& etat) {
    ReglagesFrancais reglages(2026);
    const std::string chemin = GenereExport(1'000'000, 1, etat.range(0) != 0);
    TAccueil accueil;
    accueil.show();
    if (!QTest::qWaitForWindowExposed(&accueil)) etat.SkipWithError("fenêtre non affichée");
    BoitesRepondues boites;
    Application->RepondeurDialogue = [&](const QString&) {
        return std::optional<QString>(QString::fromStdString(chemin));
    };
    int raisons = 0;
    for (auto _ : etat) {
        ReinitialiseDepart();
        accueil.BoutonOuvre->click();
        accueil.BoutonTraite->click();
        etat.counters["memoire_rapport_Mo"] = MemoireMo();
        TRichEdit& entree = *accueil.Entree;
        for (int ligne = 0; ligne < entree.document()->blockCount(); ligne += 1000)
            raisons += !InfobulleSousLePointeur(entree, ligne).isEmpty();
        etat.counters["memoire_raisons_Mo"] = MemoireMo();
    }
    Application->RepondeurDialogue = nullptr;
    etat.counters["raisons"] = raisons;
}

const std::vector<std::vector<std::int64_t>> Tailles = {{10'000, 100'000, 1'000'000}, {0, 100, 1}};

BENCHMARK(TraiteSansFenetre)->ArgsProduct(Tailles)->ArgNames({"actes", "refusePour"})->Unit(benchmark::kMillisecond);
BENCHMARK(TraiteDansLaFenetre)->ArgsProduct(Tailles)->ArgNames({"actes", "refusePour"})->Unit(benchmark::kMillisecond);
BENCHMARK(MemoireRapportEtRaisons)->ArgName("deuxPoints")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
