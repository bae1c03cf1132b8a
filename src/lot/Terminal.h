// Texts between the tool's 8-bit code page and the character set of the
// terminal (the one of the user's locale, UTF-8 under a UTF-8 locale).
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <string>
#include <string_view>

class Terminal {
public:
    // pageDeCode: the system's 8-bit code page of the texts; jeu: the
    // terminal's character set as iconv names it.
    Terminal(std::uint32_t pageDeCode, std::string jeu);

    std::string VersTerminal(const Texte& texte) const;
    Texte DepuisTerminal(std::string_view octets) const;

private:
    bool EstUtf8() const;

    std::uint32_t pageDeCode_;
    std::string jeu_;
};
