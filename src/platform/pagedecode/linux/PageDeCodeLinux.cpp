// iconv-based conversions between code pages and UTF-8.
#include "platform/pagedecode/PageDeCode.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <map>
#include <stdexcept>

namespace {

// The iconv descriptors of the conversions a thread has made, each opened at
// its first use and kept until the thread ends, so that converting many
// short texts (report lines) costs no opening each.
class Descripteurs {
public:
    Descripteurs() = default;
    Descripteurs(const Descripteurs&) = delete;
    Descripteurs& operator=(const Descripteurs&) = delete;
    ~Descripteurs() {
        for (const auto& [conversion, cd] : ouverts_) iconv_close(cd);
    }

    iconv_t Pour(const std::string& vers, const std::string& de) {
        const auto conversion = std::make_pair(vers, de);
        if (const auto trouve = ouverts_.find(conversion); trouve != ouverts_.end()) return trouve->second;
        const iconv_t cd = iconv_open(vers.c_str(), de.c_str());
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv: conversion " + de + " -> " + vers + " indisponible");
        return ouverts_.emplace(conversion, cd).first->second;
    }

private:
    std::map<std::pair<std::string, std::string>, iconv_t> ouverts_;
};

iconv_t Descripteur(const std::string& vers, const std::string& de) {
    thread_local Descripteurs descripteurs;
    return descripteurs.Pour(vers, de);
}

// One conversion through the thread's descriptor, from its initial state.
class Convertisseur {
public:
    Convertisseur(const std::string& vers, const std::string& de) : cd_(Descripteur(vers, de)) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }

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

const std::string_view Remplacement = "\uFFFD";

// The iconv name of a code page number (1252 gives "CP1252").
std::string NomIconv(std::uint32_t pageDeCode) { return "CP" + std::to_string(pageDeCode); }

}  // namespace

std::string VersUtf8(std::string_view octets, std::uint32_t pageDeCode, bool* remplacement) {
    Convertisseur c("UTF-8", NomIconv(pageDeCode));
    bool remplace = false;
    std::string utf8 = c.Convertit(octets, [&](std::string_view, std::string& sortie) -> std::size_t {
        sortie += Remplacement;
        remplace = true;
        return 1;
    });
    if (remplacement != nullptr) *remplacement = remplace;
    return utf8;
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
