// A fuzz target as an ordinary program: every file of the folders given on
// the command line is handed to the target once, in name order, so that each
// build replays the committed corpus with any compiler. A target that finds a
// fault aborts, which fails the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille);

namespace {

std::vector<std::filesystem::path> FichiersDe(const std::filesystem::path& dossier) {
    std::vector<std::filesystem::path> fichiers;
    for (const auto& entree : std::filesystem::directory_iterator(dossier))
        if (entree.is_regular_file()) fichiers.push_back(entree.path());
    std::sort(fichiers.begin(), fichiers.end());
    return fichiers;
}

void Rejoue(const std::filesystem::path& fichier) {
    std::ifstream flux(fichier, std::ios::binary);
    const std::vector<std::uint8_t> octets{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(octets.data(), octets.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t rejoues = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& fichier : FichiersDe(argv[i])) {
            Rejoue(fichier);
            ++rejoues;
        }
    }
    std::printf("%zu entrées rejouées\n", rejoues);
    return rejoues > 0 ? 0 : 1;
}
