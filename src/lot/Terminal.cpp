// Conversions for the terminal, through the platform's code-page
// conversions.
#include "lot/Terminal.h"

#include "platform/pagedecode/PageDeCode.h"

#include <algorithm>

namespace {

bool EstAscii(std::string_view octets) {
    return std::all_of(octets.begin(), octets.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

Terminal::Terminal(std::uint32_t pageDeCode, std::string jeu) : pageDeCode_(pageDeCode), jeu_(std::move(jeu)) {}

bool Terminal::EstUtf8() const { return jeu_ == "UTF-8" || jeu_ == "utf8" || jeu_ == "UTF8"; }

std::string Terminal::VersTerminal(const Texte& texte) const {
    if (EstAscii(texte.Vue())) return std::string(texte.Vue());
    std::string utf8 = VersUtf8(texte.Vue(), pageDeCode_);
    return EstUtf8() ? utf8 : ConvertitJeu(utf8, "UTF-8", jeu_);
}

Texte Terminal::DepuisTerminal(std::string_view octets) const {
    if (EstAscii(octets)) return Texte(octets);
    return DepuisUtf8(EstUtf8() ? std::string(octets) : ConvertitJeu(octets, jeu_, "UTF-8"), pageDeCode_);
}
