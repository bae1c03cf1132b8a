// The companion's two jobs, without a window: the check of one export file
// ("Ouvre" with the file confirmed, then "Traite"), and the verdict on texts
// given as dates. Each writes to the streams it is given and answers the
// program's exit status.
#pragma once

#include "lot/Terminal.h"

#include <ostream>
#include <string>
#include <vector>

namespace StatutLot {
inline constexpr int Succes = 0;
inline constexpr int DatesRefusees = 1;
inline constexpr int Echec = 2;
}  // namespace StatutLot

// Report lines on rapport; kind, count, closing message or failure on messages.
int VerifieExportLot(const std::string& nomFichier, const Terminal& terminal, std::ostream& rapport,
                     std::ostream& messages);

// One line per text on sortie: the date as YYYY-MM-DD, or the refusal.
int JugeDatesLot(const std::vector<std::string>& textes, const Terminal& terminal, std::ostream& sortie);
