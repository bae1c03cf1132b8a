// The steps of the survey made when an export file is opened: binding and
// opening, counting the lines, rewinding, the marker test and the kind of
// acts. The window's "Ouvre" and the companion run them in their order.
#pragma once

#include "commun/Texte.h"
#include "platform/fichiers/NomFichier.h"

#include <cstdint>
#include <functional>
#include <span>

// Called while the lines are counted, every LignesEntrePouls lines: a long
// count lets its window take its events (application/FenetreOccupee.h).
using Pouls = std::function<void()>;
inline constexpr std::int32_t LignesEntrePouls = 1024;

// The survey's start: NbLignes = 0, then the three steps below in their
// order, so that the file is counted and back at its first line.
void SurvoleExport(const NomFichier& nom, std::span<unsigned char> tampon = {}, const Pouls& pouls = {});

// Binds FichierExport to the file and opens it for reading, through the
// caller's buffer when one is given, else through the reader's own.
void OuvreFichierExport(const NomFichier& nom, std::span<unsigned char> tampon = {});

// Reads every line into Ligne, adding 1 to NbLignes for each (the count
// wraps as a 32-bit value would).
void CompteLignes(const Pouls& pouls = {});

// Opens FichierExport again: the next line read is the first of the file.
void RembobineExport();

// Whether the last line read holds the export marker.
bool PorteLaMarque();

// Cuts the first six fields off Ligne into Champ[1] to Champ[6].
void DecoupeEntete();

// The kind of acts named by Champ[6]; sets NbChamps to its fields per record.
Texte ChoisitTypeActes();
