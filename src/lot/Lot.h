// The companion's two jobs, without a window: the check of export files in
// turn ("Ouvre" with the file confirmed, then "Traite", for each), and the
// verdict on texts given as dates. Each writes to the streams it is given and
// answers the program's exit status.
#pragma once

#include "lot/Terminal.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace StatutLot {
inline constexpr int Succes = 0;
inline constexpr int DatesRefusees = 1;
inline constexpr int Echec = 2;
}  // namespace StatutLot

struct OptionsLot {
    bool Numeros = false;   // each report line begins with its line number
    bool Json = false;      // JSON Lines on the report stream, nothing on the other
    bool Pourquoi = false;  // each refusal followed by its reason
};

// Where the texts go and how they are converted: the terminal for the
// report and the messages, the export's code page for JSON (the tool's own
// texts are converted from theirs).
struct SortiesLot {
    const Terminal& terminal;
    std::uint32_t pageDeCode;
    std::ostream& rapport;
    std::ostream& messages;
};

// Checks each file in the order given. The report lines go to the report
// stream, preceded by the file's name when there are several files, and by
// the line number with Numeros; kind, count, closing message or failure go
// to the messages stream, naming the file when there are several. Status:
// Echec if any file failed, else DatesRefusees if any date was refused.
int VerifieExportsLot(const std::vector<std::string>& fichiers, const OptionsLot& options, const SortiesLot& sorties);

// One line (or JSON object) per text on the report stream: the date as
// YYYY-MM-DD, or the refusal.
int JugeDatesLot(const std::vector<std::string>& textes, const OptionsLot& options, const SortiesLot& sorties);
