// The tool's texts as Windows' wide-character calls take them: the window
// shows its own texts (Windows-1252) and the export's bytes through these,
// whatever the system's code page, where the ANSI calls would read every
// byte in the system's code page.
#pragma once

#include "commun/TexteMixte.h"

#include <string>
#include <string_view>

// A text of the tool's own, with the parts of the export it holds, each
// part converted from its own code page.
std::wstring Large(const TexteMixte& texte);
// A text already in UTF-8.
std::wstring LargeDepuisUtf8(std::string_view utf8);
// A text of Windows' wide-character calls in UTF-8 (a file name, a title).
std::string Utf8DepuisLarge(std::wstring_view large);
