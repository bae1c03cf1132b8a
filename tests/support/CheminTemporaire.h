// Unique names under the system's temporary folder, for tests, benchmarks and
// fuzz targets that work on real files, on every platform.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

// A path under the temporary folder that nothing holds yet.
inline std::filesystem::path CheminTemporaireLibre(std::string_view prefixe) {
    static std::mt19937_64 alea{std::random_device{}()};
    for (;;) {
        const std::filesystem::path chemin =
            std::filesystem::temp_directory_path() / (std::string(prefixe) + std::to_string(alea()));
        if (!std::filesystem::exists(chemin)) return chemin;
    }
}

// A new, empty folder under the temporary folder.
inline std::filesystem::path CreeDossierTemporaire(std::string_view prefixe) {
    for (;;) {
        const std::filesystem::path chemin = CheminTemporaireLibre(prefixe);
        if (std::filesystem::create_directory(chemin)) return chemin;
    }
}
