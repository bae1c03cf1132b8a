// The two panels of the main window's status bar, the same on every
// platform: panel 0 is empty but after a check that hints at another
// convention (depart/AutreConvention.h), panel 1 holds a fixed credit text
// and reaches the bar's right end. The text is written in UTF-8 here; each
// build keeps its narrow texts in its own character set (UTF-8 for the
// Linux window, the Windows code page for the Windows one).
#pragma once

namespace PanneauxBarreEtat {
inline constexpr int LargeurVide = 290;
inline constexpr int LargeurCredit = 80;
inline constexpr const char* TexteCredit = "Orvalis – généalogie";
}  // namespace PanneauxBarreEtat
