// Conversions between the 8-bit code pages of the texts and Unicode, through
// the platform's own conversion services (linux/: iconv; windows/:
// MultiByteToWideChar and WideCharToMultiByte). They are used only
// at the edges: the window, the terminal, and the table of messages, which is
// written in UTF-8.
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <string>
#include <string_view>

// The bytes of a text in an 8-bit code page (one or two bytes a character),
// as UTF-8. Each byte that the code page cannot convert (a lead byte without
// its second byte, a byte the code page leaves undefined) becomes U+FFFD, and
// *remplacement, when given, tells whether one did; nothing is dropped.
std::string VersUtf8(std::string_view octets, std::uint32_t pageDeCode, bool* remplacement = nullptr);

// Bytes from one character set to another, both named as the platform names them
// ("UTF-8", "ISO-8859-15", ...). A character the target cannot write is
// approximated where the platform knows how, else it becomes "?"; a sequence
// invalid in the source becomes "?".
std::string ConvertitJeu(std::string_view octets, const std::string& depuis, const std::string& vers);

// A UTF-8 string in the code page. A character that the code page cannot
// write becomes "?".
Texte DepuisUtf8(std::string_view utf8, std::uint32_t pageDeCode);

// The character set that the companion writes in, as ConvertitJeu names it:
// on Linux the one of the process's locale for characters; on Windows UTF-8,
// which the console layer shows through the console's Unicode output.
std::string JeuCaracteresTerminal();

// The character set of the program's command-line arguments: on Linux the
// terminal's; on Windows UTF-8, in which the companion's entry point puts
// the Unicode command line.
std::string JeuCaracteresArguments();
