// Texts between the tool's 8-bit code page and the character sets of the
// terminal: the one it is written in (on Linux the user's locale's, UTF-8
// under a UTF-8 locale; on Windows UTF-8), and the one in which the platform
// gives the command-line arguments (on Windows the system code page).
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <string>
#include <string_view>

class Terminal {
public:
    // pageDeCode: the system's 8-bit code page of the texts; jeu: the
    // character set written to the terminal, as ConvertitJeu names it. The
    // arguments' set is the platform's (JeuCaracteresArguments).
    Terminal(std::uint32_t pageDeCode, std::string jeu);

    std::string VersTerminal(const Texte& texte) const;
    // An argument of the command line as a text.
    Texte DepuisTerminal(std::string_view octets) const;

private:
    std::uint32_t pageDeCode_;
    std::string jeu_;
    std::string jeuArguments_;
};
