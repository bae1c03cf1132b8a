// Texte: the tool's text, a counted string of 8-bit bytes in the code page of
// the export (Windows-1252 under French settings). Any byte is allowed, zero
// included; copies are independent values; positions count from 1, as the
// search and part-of-text operations of the export file expect.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

class Texte {
public:
    Texte() = default;
    // A null pointer is no text: refused at compile time when written as
    // such, with std::invalid_argument when it comes at run time.
    Texte(const char* zeroTermine) : octets_(NonNul(zeroTermine)) {}
    Texte(std::nullptr_t) = delete;
    Texte(std::string_view octets) : octets_(octets) {}
    Texte(std::string&& octets) : octets_(std::move(octets)) {}
    Texte(const std::string& octets) : octets_(octets) {}

    std::int32_t Longueur() const { return static_cast<std::int32_t>(octets_.size()); }
    bool EstVide() const { return octets_.empty(); }

    // The byte at a position from 1 to Longueur().
    unsigned char Octet(std::int32_t position) const {
        return static_cast<unsigned char>(octets_[static_cast<std::size_t>(position - 1)]);
    }

    std::string_view Vue() const { return octets_; }
    const std::string& Octets() const { return octets_; }
    std::string& Octets() { return octets_; }

    void Vide() { octets_.clear(); }
    Texte& operator+=(const Texte& suite) {
        octets_ += suite.octets_;
        return *this;
    }
    Texte& operator+=(char octet) {
        octets_ += octet;
        return *this;
    }

    friend Texte operator+(Texte a, const Texte& b) {
        a += b;
        return a;
    }
    friend bool operator==(const Texte& a, const Texte& b) = default;

private:
    static const char* NonNul(const char* zeroTermine) {
        if (zeroTermine == nullptr) throw std::invalid_argument("texte construit depuis un pointeur nul");
        return zeroTermine;
    }

    std::string octets_;
};
