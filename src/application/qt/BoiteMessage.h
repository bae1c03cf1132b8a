// The real modal message box: one OK button, the icon the flags ask for.
#pragma once

#include <QString>

#include <cstdint>

// Shows the box over the active window, keeps every other window of the tool
// from taking input until it is closed, and returns the button pressed (Boite::BoutonOk).
int MontreBoiteMessage(const QString& texte, const QString& titre, std::uint32_t drapeaux);
