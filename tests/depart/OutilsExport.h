// Test helpers shared by the survey, check, window and companion tests: a
// temporary folder removed at the end, export lines built from their fields,
// and files written byte for byte.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

class DossierTemporaire {
public:
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "controle-XXXXXX").string();
        chemin_ = mkdtemp(modele.data());
    }
    ~DossierTemporaire() {
        std::error_code ignore;
        std::filesystem::remove_all(chemin_, ignore);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin_; }

    // Writes the bytes to a file of the folder and gives its full path.
    std::string Ecrit(const std::string& nom, std::string_view octets) const {
        const std::filesystem::path fichier = chemin_ / nom;
        std::ofstream(fichier, std::ios::binary).write(octets.data(), static_cast<std::streamsize>(octets.size()));
        return fichier.string();
    }

private:
    std::filesystem::path chemin_;
};

// One record of an export: the marker, its number, the reference (field 3),
// two fields, the kind code (field 6), the date (field 7), then empty fields up
// to the kind's count.
inline std::string LigneExport(const std::string& reference, const std::string& date, const std::string& code = "N",
                               int nbChamps = 30) {
    std::string ligne = "TABRENNV3;1;" + reference + ";Plouha;22;" + code + ";" + date;
    for (int champ = 7; champ < nbChamps; ++champ) ligne += ";";
    return ligne;
}

// The lines joined, each followed by the line end.
inline std::string Export(const std::vector<std::string>& lignes, std::string_view finDeLigne = "\r\n") {
    std::string octets;
    for (const std::string& ligne : lignes) (octets += ligne) += finDeLigne;
    return octets;
}
