// RaisonsRapport: why a line of the report box was refused, as the mouse
// over the line shows it in both windows. The reason is read from the line
// as it stands in the box, which the user may edit, and judged under the
// regional settings of the check that wrote the report, by the scan and the
// phrases of the companion's --pourquoi.
//
// A report line is field 3, " : ", field 7, and either field may hold " : "
// too. The date is what follows the last " : " of the line, unless the check
// wrote that very text with a date that holds " : " itself: then the date
// the check wrote. When the check wrote the same text twice with its dates
// beginning at different places, that text gives no reason; nor does a line
// without " : ", nor one whose date is valid. So a line never shows the
// reason of another.
//
// The check keeps, for that rule, the texts of the lines whose date holds
// " : " (none in an ordinary export), and a hash of each other line holding
// " : " more than once (8 bytes a line), nothing for the rest.
#pragma once

#include "commun/ReglagesDate.h"
#include "commun/Texte.h"
#include "commun/TexteMixte.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class RaisonsRapport {
public:
    // A check starts: the lines it writes are judged under the present
    // settings.
    void DebuteControle();
    // A line the check wrote into the report, ending with its date.
    void NoteLigne(const Texte& ligne, const Texte& date);
    // The box was emptied: no line has a reason until the next check.
    void Oublie();

    // The reason of the line as it stands in the box; empty for none.
    TexteMixte Raison(const Texte& ligne) const;

private:
    std::optional<TReglagesDate> reglages_;
    // Where the date begins in each line whose date holds " : ", by its
    // text; Disputee when two records wrote the text otherwise.
    std::unordered_map<std::string, std::size_t> datesAvecSeparateur_;
    // The hash of each other line holding " : " more than once.
    std::vector<std::size_t> empreintes_;
    static constexpr std::size_t Disputee = std::string::npos;
};
