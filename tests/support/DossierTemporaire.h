// A temporary folder for tests that work on real files, removed with its
// content at the end of the test, and a helper to write files into it.
#pragma once

#include "support/CheminTemporaire.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class DossierTemporaire {
public:
    DossierTemporaire() : chemin_(CreeDossierTemporaire("controle-")) {}
    ~DossierTemporaire() {
        std::error_code ignore;
        std::filesystem::remove_all(chemin_, ignore);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin_; }

    // Writes the bytes to a file of the folder (its folders made as needed)
    // and gives its full path as the tool names files: on Windows in UTF-8,
    // on Linux the path's bytes.
    std::string Ecrit(const std::filesystem::path& nom, std::string_view octets) const {
        const std::filesystem::path fichier = chemin_ / nom;
        std::filesystem::create_directories(fichier.parent_path());
        std::ofstream(fichier, std::ios::binary).write(octets.data(), static_cast<std::streamsize>(octets.size()));
        const std::u8string utf8 = fichier.u8string();
        return std::string(utf8.begin(), utf8.end());
    }

private:
    std::filesystem::path chemin_;
};
