// The tooltips' rules, the same in both windows: a tooltip shows the short
// part of a control's hint (the text before the first "|", or the whole
// hint; an empty one shows none), after the pointer has rested 500 ms on the
// control, at once when it passes to another control while one is showing,
// and hides after 2500 ms.
//
// A tooltip to be read, which depends on where the pointer rests (the reason
// of a report line, the hint of another convention in the status bar), is
// shown whole, for 10 s.
#pragma once

#include <string_view>

inline constexpr int DelaiAvantInfobulle = 500;
inline constexpr int DelaiEntreInfobulles = 0;
inline constexpr int DureeInfobulle = 2500;
inline constexpr int DureeInfobulleALire = 10000;

constexpr std::string_view PartieCourte(std::string_view hint) { return hint.substr(0, hint.find('|')); }
