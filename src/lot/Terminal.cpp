// Conversions for the terminal, through the platform's code-page
// conversions.
#include "lot/Terminal.h"

#include "platform/pagedecode/PageDeCode.h"

#include <algorithm>

namespace {

bool EstAscii(std::string_view octets) {
    return std::all_of(octets.begin(), octets.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool EstUtf8(const std::string& jeu) { return jeu == "UTF-8" || jeu == "utf8" || jeu == "UTF8"; }

}  // namespace

Terminal::Terminal(std::uint32_t pageDeCode, std::string jeu)
    : pageDeCode_(pageDeCode), jeu_(std::move(jeu)), jeuArguments_(JeuCaracteresArguments()) {}

std::string Terminal::VersTerminal(const TexteMixte& texte) const {
    if (EstAscii(texte.Vue())) return std::string(texte.Vue());
    std::string utf8 = TexteMixteVersUtf8(texte, pageDeCode_);
    return EstUtf8(jeu_) ? utf8 : ConvertitJeu(utf8, "UTF-8", jeu_);
}

Texte Terminal::DepuisTerminal(std::string_view octets) const {
    // Arguments already in the texts' code page are taken byte for byte.
    if (EstAscii(octets) || jeuArguments_ == "CP" + std::to_string(pageDeCode_)) return Texte(octets);
    return DepuisUtf8(EstUtf8(jeuArguments_) ? std::string(octets) : ConvertitJeu(octets, jeuArguments_, "UTF-8"),
                      pageDeCode_);
}

std::string Terminal::ArgumentVersTerminal(const std::string& argument) const {
    if (EstAscii(argument) || jeuArguments_ == jeu_) return argument;
    return ConvertitJeu(argument, jeuArguments_, jeu_);
}

std::string Terminal::ArgumentVersUtf8(const std::string& argument) const {
    // A name that is not valid in a UTF-8 set is left to the JSON writer,
    // which replaces what it cannot take.
    if (EstAscii(argument) || EstUtf8(jeuArguments_)) return argument;
    return ConvertitJeu(argument, jeuArguments_, "UTF-8");
}
