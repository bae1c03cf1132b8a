// Passing the tool's 8-bit texts to Qt and back. The tool's own texts are
// Windows-1252, the export's bytes and file names are in the system's code
// page (the export's, PageDeCodeExport, is the same on Linux); Qt speaks
// Unicode.
#pragma once

#include "commun/Texte.h"
#include "commun/TexteMixte.h"

#include <QString>

// A text of the tool's own, with the parts of the export it holds, as the
// window shows it.
QString VersQString(const TexteMixte& texte);

// Bytes of the system's code page (a line of the report, the title) as the
// window shows them.
QString SystemeVersQString(const Texte& octets);

// What the window holds, as a text of the system's code page; a character
// that the code page cannot write becomes "?".
Texte DepuisQString(const QString& chaine);
