// A temporary folder for the reader's tests, removed with its content at
// the end of the test, and helpers to write files into it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class DossierTemporaire {
public:
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "lecture-XXXXXX").string();
        chemin_ = ::mkdtemp(modele.data());
    }
    ~DossierTemporaire() {
        std::error_code ignore;
        std::filesystem::remove_all(chemin_, ignore);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin_; }

    // Writes contenu, byte for byte, to a file of the folder; its full path.
    std::string Ecrit(const std::string& nom, const std::string& contenu) const {
        const std::filesystem::path fichier = chemin_ / nom;
        std::filesystem::create_directories(fichier.parent_path());
        std::ofstream(fichier, std::ios::binary) << contenu;
        return fichier.string();
    }

private:
    std::filesystem::path chemin_;
};
