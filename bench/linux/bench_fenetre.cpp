// Measures of the window: building and showing it, the progress bar's
// repaint with and without a change of its band, and the report box filled
// line by line or kept back and poured by blocks.
#include "application/RapportRetenu.h"
#include "application/qt/Accueil.h"
#include "application/qt/Application.h"

#include <QTest>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void ConstruitEtMontreFenetre(benchmark::State& etat) {
    for (auto _ : etat) {
        TAccueil accueil;
        accueil.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&accueil));
    }
}
BENCHMARK(ConstruitEtMontreFenetre)->Unit(benchmark::kMillisecond);

// A check of a long file asks the bar to repaint every tenth line.
void RepeintBarre(benchmark::State& etat) {
    const bool change = etat.range(0) != 0;
    TProgressBar barre;
    barre.resize(273, 17);
    barre.FixeMax(1'000'000);
    barre.Montre(true);
    if (!QTest::qWaitForWindowExposed(&barre)) etat.SkipWithError("barre jamais montrée");
    std::int32_t position = 1;
    for (auto _ : etat) {
        position = change ? (position % 1'000'000) + 4000 : position + 10;
        barre.FixePosition(position);
        barre.Repeint();
    }
    etat.counters["peintures"] = barre.NombrePeintures();
}
BENCHMARK(RepeintBarre)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

std::vector<Texte> LignesDeRapport(int nombre) {
    std::vector<Texte> lignes;
    lignes.reserve(static_cast<std::size_t>(nombre));
    for (int i = 0; i < nombre; ++i) lignes.emplace_back("N" + std::to_string(i) + " : 31/02/1850");
    return lignes;
}

void RapportUneAUne(benchmark::State& etat) {
    const auto lignes = LignesDeRapport(static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        TRichEdit boite;
        for (const Texte& ligne : lignes) boite.AjouteLigne(ligne);
    }
}
BENCHMARK(RapportUneAUne)->Arg(20'000)->Unit(benchmark::kMillisecond);

void RapportRetenuPuisVerse(benchmark::State& etat) {
    const auto lignes = LignesDeRapport(static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        TRichEdit boite;
        RapportRetenu rapport(boite);
        for (const Texte& ligne : lignes) rapport.Ajoute(ligne);
        rapport.Verse();
    }
}
BENCHMARK(RapportRetenuPuisVerse)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The benchmark's options are read before Qt sets the user's locale.
    benchmark::Initialize(&argc, argv);
    TApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
