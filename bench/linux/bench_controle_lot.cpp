// The companion on generated exports (about 190 bytes a line, 1% of dates
// refused), measured in one run against three references on the
// 1 000 000-line export: wc -l (reading the file once at full speed), dd
// with 128-byte blocks (the window's reader buffer) and the Python script a
// user would otherwise write; then the companion's peak memory from 10 000
// to 1 000 000 lines. Each command runs as a child process, its wall-clock
// time and peak resident memory taken from wait4.
#include "bench_controle_exports.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

std::string Compagnon() {
    return (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "src/lot/controle-dates-lot")
        .string();
}

std::string Script() {
    const auto chemin = std::filesystem::temp_directory_path() / "controle-bench-script.py";
    std::ofstream(chemin) << ScriptPython;
    return chemin.string();
}

// Runs a shell command with its outputs thrown away; its peak resident
// memory in KiB, or -1 when it could not run.
long Lance(const std::string& commande) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", (commande + " >/dev/null 2>&1").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int etat = 0;
    struct rusage usage {};
    if (pid < 0 || wait4(pid, &etat, 0, &usage) != pid) return -1;
    return usage.ru_maxrss;
}

// Times one command per iteration, in wall-clock time, and keeps its peak
// memory (of the shell's child, the command itself, as the kernel counts it).
void Commande(benchmark::State& etat, const std::string& commande) {
    long memoire = 0;
    for (auto _ : etat) {
        const auto debut = std::chrono::steady_clock::now();
        memoire = Lance("exec " + commande);
        if (memoire < 0) etat.SkipWithError("commande impossible");
        etat.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    }
    etat.counters["Mo"] = static_cast<double>(memoire) / 1024.0;
}

void WcLignes(benchmark::State& etat) { Commande(etat, "wc -l " + GenereExport(Actes, 100)); }

void DdBlocs128(benchmark::State& etat) {
    Commande(etat, "dd if=" + GenereExport(Actes, 100) + " of=/dev/null bs=128 status=none");
}

void CompagnonLot(benchmark::State& etat) {
    Commande(etat, "env LC_ALL=fr_FR.UTF-8 " + Compagnon() + " " + GenereExport(Actes, 100));
}

void CompagnonJsonPourquoi(benchmark::State& etat) {
    Commande(etat, "env LC_ALL=fr_FR.UTF-8 " + Compagnon() + " --json --pourquoi " + GenereExport(Actes, 100));
}

void ScriptPythonStrptime(benchmark::State& etat) {
    Commande(etat, "python3 " + Script() + " " + GenereExport(Actes, 100));
}

// The same check from 10 000 to 1 000 000 acts: time and peak memory.
void CompagnonSelonLaTaille(benchmark::State& etat) {
    Commande(etat, "env LC_ALL=fr_FR.UTF-8 " + Compagnon() + " " + GenereExport(etat.range(0), 100));
    etat.SetItemsProcessed(etat.iterations() * etat.range(0));
}

BENCHMARK(WcLignes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(DdBlocs128)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CompagnonLot)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(CompagnonJsonPourquoi)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ScriptPythonStrptime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CompagnonSelonLaTaille)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000);

}  // namespace
