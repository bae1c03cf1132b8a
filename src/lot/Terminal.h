// Texts between the tool's 8-bit code pages (its own texts' and the
// export's) and the character sets of the terminal: the one it is written in
// (on Linux the user's locale's, UTF-8 under a UTF-8 locale; on Windows
// UTF-8), and the one in which the command-line arguments come (on Linux
// the locale's; on Windows UTF-8, from the Unicode command line).
#pragma once

#include "commun/Texte.h"
#include "commun/TexteMixte.h"

#include <cstdint>
#include <string>
#include <string_view>

class Terminal {
public:
    // pageDeCode: the export's code page; jeu: the character set written to
    // the terminal, as ConvertitJeu names it. The arguments' set is the
    // platform's (JeuCaracteresArguments).
    Terminal(std::uint32_t pageDeCode, std::string jeu);

    // Each part from its own code page; a byte that cannot be converted
    // shows as U+FFFD (or what the terminal's set puts for it).
    std::string VersTerminal(const TexteMixte& texte) const;
    // An argument of the command line as a text of the export's code page.
    Texte DepuisTerminal(std::string_view octets) const;
    // A file name given on the command line, as the terminal shows it, and
    // as UTF-8 (a name in the arguments' set is shown in the terminal's).
    std::string ArgumentVersTerminal(const std::string& argument) const;
    std::string ArgumentVersUtf8(const std::string& argument) const;

private:
    std::uint32_t pageDeCode_;
    std::string jeu_;
    std::string jeuArguments_;
};
