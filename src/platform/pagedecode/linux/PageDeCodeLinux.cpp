// iconv-based conversions between code pages and UTF-8.
#include "platform/pagedecode/PageDeCode.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <stdexcept>

namespace {

// One iconv descriptor for the length of a conversion.
class Convertisseur {
public:
    Convertisseur(const std::string& vers, const std::string& de) : cd_(iconv_open(vers.c_str(), de.c_str())) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv: conversion " + de + " -> " + vers + " indisponible");
    }
    ~Convertisseur() { iconv_close(cd_); }
    Convertisseur(const Convertisseur&) = delete;
    Convertisseur& operator=(const Convertisseur&) = delete;

    // Converts what it can; calls remplace(entree restante, sortie) at each
    // sequence it cannot convert, which must consume at least one byte.
    template <typename Remplace>
    std::string Convertit(std::string_view source, Remplace remplace) {
        std::string sortie;
        sortie.reserve(source.size() * 2 + 16);
        char* entree = const_cast<char*>(source.data());
        std::size_t resteEntree = source.size();
        char tampon[4096];
        while (resteEntree > 0) {
            char* ecrit = tampon;
            std::size_t place = sizeof tampon;
            const std::size_t r = iconv(cd_, &entree, &resteEntree, &ecrit, &place);
            sortie.append(tampon, static_cast<std::size_t>(ecrit - tampon));
            if (r != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            const std::size_t consomme = remplace(std::string_view(entree, resteEntree), sortie);
            entree += consomme;
            resteEntree -= consomme;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return sortie;
    }

private:
    iconv_t cd_;
};

void AjouteUtf8(std::string& sortie, unsigned code) {
    if (code < 0x80) {
        sortie += static_cast<char>(code);
    } else {
        sortie += static_cast<char>(0xC0 | (code >> 6));
        sortie += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The iconv name of a code page number (1252 gives "CP1252").
std::string NomIconv(std::uint32_t pageDeCode) { return "CP" + std::to_string(pageDeCode); }

}  // namespace

std::string VersUtf8(std::string_view octets, std::uint32_t pageDeCode) {
    Convertisseur c("UTF-8", NomIconv(pageDeCode));
    return c.Convertit(octets, [](std::string_view reste, std::string& sortie) -> std::size_t {
        AjouteUtf8(sortie, static_cast<unsigned char>(reste.front()));
        return 1;
    });
}

std::string ConvertitJeu(std::string_view octets, const std::string& depuis, const std::string& vers) {
    Convertisseur c(vers + "//TRANSLIT", depuis);
    return c.Convertit(octets, [](std::string_view, std::string& sortie) -> std::size_t {
        sortie += '?';
        return 1;
    });
}

Texte DepuisUtf8(std::string_view utf8, std::uint32_t pageDeCode) {
    Convertisseur c(NomIconv(pageDeCode), "UTF-8");
    return Texte(c.Convertit(utf8, [](std::string_view reste, std::string& sortie) -> std::size_t {
        sortie += '?';
        std::size_t longueur = 1;
        while (longueur < reste.size() && (static_cast<unsigned char>(reste[longueur]) & 0xC0) == 0x80) ++longueur;
        return longueur;
    }));
}

std::string JeuCaracteresTerminal() { return nl_langinfo(CODESET); }

std::string JeuCaracteresArguments() { return JeuCaracteresTerminal(); }
