// The companion on a generated export of 1 000 000 acts (about 190 bytes a
// line, 1% of dates refused), against two references measured in the same
// run: dd with 128-byte blocks (the floor of the reader's buffer) and the
// Python script a user would otherwise write.
#include "bench_controle_exports.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::int64_t Actes = 1'000'000;

const char* const ScriptPython =
    "import sys\n"
    "from datetime import datetime\n"
    "with open(sys.argv[1], encoding='cp1252', newline='') as f:\n"
    "    for ligne in f:\n"
    "        champs = ligne.rstrip('\\r\\n').split(';')\n"
    "        date = champs[6] if len(champs) > 6 else ''\n"
    "        try:\n"
    "            datetime.strptime(date, '%d/%m/%Y')\n"
    "        except ValueError:\n"
    "            print(champs[2] + ' : ' + date)\n";

std::filesystem::path Compagnon() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "src/lot/controle-dates-lot";
}

std::string Script() {
    const auto chemin = std::filesystem::temp_directory_path() / "controle-bench-script.py";
    std::ofstream(chemin) << ScriptPython;
    return chemin.string();
}

// Times one shell command per iteration, in wall-clock time.
void Commande(benchmark::State& etat, const std::string& commande) {
    for (auto _ : etat) {
        const auto debut = std::chrono::steady_clock::now();
        if (std::system(commande.c_str()) == -1) etat.SkipWithError("commande impossible");
        etat.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    }
}

void DdBlocs128(benchmark::State& etat) {
    Commande(etat, "dd if=" + GenereExport(Actes, 100) + " of=/dev/null bs=128 status=none");
}

void CompagnonLot(benchmark::State& etat) {
    Commande(etat, "LC_ALL=fr_FR.UTF-8 " + Compagnon().string() + " " + GenereExport(Actes, 100) + " >/dev/null 2>&1");
}

void ScriptPythonStrptime(benchmark::State& etat) {
    Commande(etat, "python3 " + Script() + " " + GenereExport(Actes, 100) + " >/dev/null");
}

BENCHMARK(DdBlocs128)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CompagnonLot)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ScriptPythonStrptime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
