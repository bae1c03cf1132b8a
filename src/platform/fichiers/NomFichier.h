// NomFichier: the name of a file as the platform gives it and as its file
// services take it, never a text of the tool's code pages. On Linux it is
// the path's own bytes, unchanged whatever the locale; on Windows the path
// in UTF-8, which only the file services and the window turn into UTF-16,
// so that every name Windows can give opens, whatever the system's code
// page. Where a name is shown, it is converted from that encoding.
#pragma once

#include <string>
#include <utility>

class NomFichier {
public:
    NomFichier() = default;
    explicit NomFichier(std::string octets) : octets_(std::move(octets)) {}

    const std::string& Octets() const { return octets_; }
    bool EstVide() const { return octets_.empty(); }

    friend bool operator==(const NomFichier&, const NomFichier&) = default;

private:
    std::string octets_;
};
