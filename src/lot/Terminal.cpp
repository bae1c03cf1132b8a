// Conversions for the terminal, through glibc's iconv and the tool's code-page
// conversions.
#include "lot/Terminal.h"

#include "commun/PageDeCode.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <langinfo.h>

namespace {

bool EstAscii(std::string_view octets) {
    return std::all_of(octets.begin(), octets.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// From one iconv character set to another; what the target cannot write is
// approximated or becomes "?".
std::string Convertit(std::string_view octets, const std::string& depuis, const std::string& vers) {
    iconv_t conversion = iconv_open((vers + "//TRANSLIT").c_str(), depuis.c_str());
    if (conversion == reinterpret_cast<iconv_t>(-1)) return std::string(octets);
    std::string resultat;
    std::string entree(octets);
    char* lecture = entree.data();
    std::size_t restant = entree.size();
    char tampon[4096];
    while (restant > 0) {
        char* ecriture = tampon;
        std::size_t place = sizeof tampon;
        const std::size_t rendu = iconv(conversion, &lecture, &restant, &ecriture, &place);
        resultat.append(tampon, static_cast<std::size_t>(ecriture - tampon));
        if (rendu == static_cast<std::size_t>(-1) && errno != E2BIG) {
            resultat += '?';
            ++lecture;
            --restant;
        }
    }
    iconv_close(conversion);
    return resultat;
}

}  // namespace

Terminal::Terminal(std::uint32_t pageDeCode, std::string jeu) : pageDeCode_(pageDeCode), jeu_(std::move(jeu)) {}

std::string Terminal::JeuDuLocale() {
    return nl_langinfo(CODESET);
}

bool Terminal::EstUtf8() const {
    return jeu_ == "UTF-8" || jeu_ == "utf8" || jeu_ == "UTF8";
}

std::string Terminal::VersTerminal(const Texte& texte) const {
    if (EstAscii(texte.Vue())) return std::string(texte.Vue());
    std::string utf8 = VersUtf8(texte.Vue(), pageDeCode_);
    return EstUtf8() ? utf8 : Convertit(utf8, "UTF-8", jeu_);
}

Texte Terminal::DepuisTerminal(std::string_view octets) const {
    if (EstAscii(octets)) return Texte(octets);
    return DepuisUtf8(EstUtf8() ? std::string(octets) : Convertit(octets, jeu_, "UTF-8"), pageDeCode_);
}
