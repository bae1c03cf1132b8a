// Speed of reading and splitting generated exports of 10 000, 100 000 and
// 1 000 000 lines (about 190 bytes and 30 fields a line), against the floor
// of the 128-byte buffer: one read(2) of 128 bytes after another, as
// `dd bs=128` does.
#include "exportfile/DecoupageChamps.h"
#include "exportfile/LecteurLignes.h"

#include "support/CheminTemporaire.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int ChampsParLigne = 30;

// The generated exports, written once and removed at the end of the run.
class Exports {
public:
    ~Exports() {
        std::error_code ignore;
        if (!dossier_.empty()) std::filesystem::remove_all(dossier_, ignore);
    }

    const std::string& De(std::int64_t lignes) {
        auto trouve = noms_.find(lignes);
        if (trouve != noms_.end()) return trouve->second;
        if (dossier_.empty()) dossier_ = CreeDossierTemporaire("bench-lecture-");
        const std::string nom = (dossier_ / ("export-" + std::to_string(lignes) + ".txt")).string();
        Ecrit(nom, lignes);
        return noms_[lignes] = nom;
    }

private:
    static void Ecrit(const std::string& nom, std::int64_t lignes) {
        std::ofstream sortie(nom, std::ios::binary);
        std::string ligne;
        for (std::int64_t i = 0; i < lignes; ++i) {
            ligne = "N;" + std::to_string(i) + ";Le Goff Yann;" + std::to_string(i % 28 + 1) + "/" +
                    std::to_string(i % 12 + 1) + "/18" + std::to_string(i % 90 + 10) + ";";
            for (int k = 5; k < ChampsParLigne; ++k) ligne += (k % 3 == 0 ? "Plouguerneau;" : "Kerlouan;");
            ligne.resize(188, 'x');
            sortie << ligne << "\r\n";
        }
        sortie << "TABRENNV3;N\r\n";
    }

    std::filesystem::path dossier_;
    std::map<std::int64_t, std::string> noms_;
};

Exports exports;

void CompteOctets(benchmark::State& etat, const std::string& nom) {
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations()) *
                           static_cast<std::int64_t>(std::filesystem::file_size(nom)));
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    etat.counters["rss_max_kio"] = static_cast<double>(usage.ru_maxrss);
}

void Plancher_read128(benchmark::State& etat) {
    const std::string& nom = exports.De(etat.range(0));
    unsigned char tampon[128];
    for (auto _ : etat) {
        const int fd = ::open(nom.c_str(), O_RDONLY);
        while (::read(fd, tampon, sizeof tampon) > 0) benchmark::DoNotOptimize(tampon);
        ::close(fd);
    }
    CompteOctets(etat, nom);
}

// Reads the whole export line by line, as the check does, handing each line
// to parLigne; once per benchmark iteration.
template <typename ParLigne>
void LitChaqueLigne(benchmark::State& etat, ParLigne parLigne) {
    const std::string& nom = exports.De(etat.range(0));
    Texte ligne;
    for (auto _ : etat) {
        LecteurLignes fichier;
        AssocieNom(fichier, NomFichier(nom));
        OuvreLecture(fichier);
        ControleES();
        while (!FinDeFichier(fichier)) {
            LitLigne(fichier, ligne);
            PasseLigne(fichier);
            ControleES();
            parLigne(ligne);
        }
        FermeFichier(fichier);
        ControleES();
    }
    CompteOctets(etat, nom);
}

void LectureSeule(benchmark::State& etat) {
    LitChaqueLigne(etat, [](Texte& ligne) { benchmark::DoNotOptimize(ligne); });
}

// As the check does: each line cut into its fields, the last one being what
// stays of the line.
void LectureEtDecoupage(benchmark::State& etat) {
    TableChamps champ;
    LitChaqueLigne(etat, [&champ](Texte& ligne) {
        {
            LigneEnCoupe coupe(ligne);
            for (int k = 1; k < ChampsParLigne; ++k) coupe.DecoupeChamp(champ, k);
        }
        champ[ChampsParLigne] = ligne;
        benchmark::DoNotOptimize(champ);
    });
}

void Tailles(benchmark::internal::Benchmark* b) {
    b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
}

}  // namespace

BENCHMARK(Plancher_read128)->Apply(Tailles);
BENCHMARK(LectureSeule)->Apply(Tailles);
BENCHMARK(LectureEtDecoupage)->Apply(Tailles);
