// The input in a temporary file, removed when the input is done; one that
// the tool still holds open (a check stopped by a failure) cannot be removed
// on Windows and stays behind.
#include "FichierEntree.h"

#include "support/CheminTemporaire.h"

#include <fstream>

FichierEntree::FichierEntree(const std::uint8_t* octets, std::size_t taille)
    : nom_(CheminTemporaireLibre("entree-fuzz-").string()) {
    std::ofstream(nom_, std::ios::binary)
        .write(reinterpret_cast<const char*>(octets), static_cast<std::streamsize>(taille));
}

FichierEntree::~FichierEntree() {
    std::error_code ignore;
    std::filesystem::remove(nom_, ignore);
}
