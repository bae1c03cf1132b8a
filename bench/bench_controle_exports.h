// Generated exports for the benchmarks: births of about 190 bytes a line,
// with a chosen share of refused dates, written once into the temporary
// folder and kept for the whole benchmark run; the survey that prepares a
// check, and one timed check, without a window.
#pragma once

#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Every refusePour-th act has a refused date (1: all of them, 100: 1%, 0: none).
// With deuxPoints, each reference holds " : ", as field 7 follows it in the
// report.
inline std::string GenereExport(std::int64_t actes, int refusePour, bool deuxPoints = false) {
    const std::filesystem::path chemin =
        std::filesystem::temp_directory_path() / ("controle-bench-" + std::to_string(actes) + "-" +
                                                  std::to_string(refusePour) + (deuxPoints ? "-dp" : "") + ".txt");
    if (std::filesystem::exists(chemin)) return chemin.string();
    std::ofstream fichier(chemin, std::ios::binary);
    char ligne[512];
    for (std::int64_t acte = 1; acte <= actes; ++acte) {
        const bool refuse = refusePour > 0 && acte % refusePour == 0;
        const int jour = static_cast<int>(acte % 28) + 1;
        const int mois = static_cast<int>(acte % 12) + 1;
        const int annee = 1800 + static_cast<int>(acte % 120);
        char date[16];
        if (refuse) std::snprintf(date, sizeof date, "31/02/%d", annee);
        else std::snprintf(date, sizeof date, "%02d/%02d/%d", jour, mois, annee);
        std::snprintf(ligne, sizeof ligne,
                      "TABRENNV3;%lld;N%d-%06lld%sLe Bihan Herv\xE9;Saint-Brieuc;22;N;%s;Le Bihan;Herv\xE9;M;"
                      "Le Bihan Yves;laboureur;Le Goff Fran\xE7oise;m\xE9nag\xE8re;Kerherv\xE9 Jean;Tanguy Lo\xEF"
                      "c;"
                      "Plouha;;;;;;;;;;;;;notes\r\n",
                      static_cast<long long>(acte), annee, static_cast<long long>(acte), deuxPoints ? " : " : " ",
                      date);
        fichier << ligne;
    }
    return chemin.string();
}

// What "Ouvre" does before a check, without the dialog and the window: the
// export bound, counted, rewound and its kind read.
inline void SurvoleExport(const std::string& chemin) {
    SurvoleExport(NomFichier(chemin));
    DecoupeEntete();
    ChoisitTypeActes();
}

// The refused lines kept in memory, as the window gathers them.
class RapportEnMemoire : public ObservateurVerification {
public:
    void Avance(std::int32_t n) override { position = n; }
    void MontreProgression() override {}
    void AjouteLigneRapport(const Texte& ligne) override { lignes.push_back(ligne); }

    std::int32_t position = 0;
    std::vector<Texte> lignes;
};

// One check of the export, timed, after a fresh survey outside the timing;
// gives the number of refused dates.
inline std::size_t VerifieUneFois(benchmark::State& etat, const std::string& chemin) {
    etat.PauseTiming();
    ReinitialiseDepart();
    SurvoleExport(chemin);
    RapportEnMemoire rapport;
    etat.ResumeTiming();
    DebuteVerification();
    VerifieEnregistrements(rapport);
    FermeExport();
    benchmark::DoNotOptimize(rapport.lignes.data());
    return rapport.lignes.size();
}
