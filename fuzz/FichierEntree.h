// A fuzz input as a file that the tool opens by its name, as it opens an
// export: whatever path the target takes through the tool, the bytes reach
// the reader through the platform's own file services. On Linux the file
// lives in memory, so that millions of inputs never touch the disk; elsewhere
// it is a temporary file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class FichierEntree {
public:
    FichierEntree(const std::uint8_t* octets, std::size_t taille);
    ~FichierEntree();
    FichierEntree(const FichierEntree&) = delete;
    FichierEntree& operator=(const FichierEntree&) = delete;

    const std::string& Nom() const { return nom_; }

private:
    std::string nom_;
    int descripteur_ = -1;
};
