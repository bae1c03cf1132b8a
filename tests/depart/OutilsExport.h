// Test helpers shared by the survey, check, window and companion tests: a
// temporary folder removed at the end, export lines built from their fields,
// and files written byte for byte.
#pragma once

#include "support/DossierTemporaire.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

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
