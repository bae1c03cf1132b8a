// Turns a POSIX error number into the failure code of the file services:
// the codes whose messages the tool knows for the same meaning, and
// BaseErrno + errno for everything else.
#pragma once

#include <cstdint>

// Any other system failure: this base plus the system's error number, so
// that it is shown as "Erreur E/S <code>" and never meets a code the tool
// gives another meaning.
inline constexpr std::int32_t BaseErrno = 1000;

// A failed open(2) of nom: ENOENT gives "file missing" when the folder that
// should hold the file exists, "path missing" otherwise.
std::int32_t CodeEchecOuverture(int erreur, const char* nom);

// A failure of any other call (read, close, fstat, locks).
std::int32_t CodeEchecSysteme(int erreur);
