// What the application title is made of, the same on every platform: the
// executable's file name without its folders, cut at its first dot. Each
// front end then lowers the case of all but the first character with its own
// platform's rules.
#pragma once

#include <string_view>

// The part of the path after its last "\" or "/", cut at the first "."; only
// the first 255 characters of the path are looked at (bytes of an 8-bit
// path, or UTF-16 characters of a Unicode one).
std::string_view NomExecutable(std::string_view chemin);
std::wstring_view NomExecutable(std::wstring_view chemin);
