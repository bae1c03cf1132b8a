// LecteurLignes: the buffered, read-only line reader over a text file, with
// its line-end and Ctrl-Z rules. Operations leave a failure code pending in
// CodeES; ControleES raises it as an EInOutError.
#pragma once

#include "commun/Texte.h"

#include <cstdint>

struct LecteurLignes;  // defined by the reader's implementation header

void AssocieNom(LecteurLignes& fichier, const Texte& nom);
void OuvreLecture(LecteurLignes& fichier);
bool FinDeFichier(LecteurLignes& fichier);
void LitLigne(LecteurLignes& fichier, Texte& texte);
void PasseLigne(LecteurLignes& fichier);
void FermeFichier(LecteurLignes& fichier);

// The pending input/output code of the calling thread; 0 means none.
extern thread_local std::int32_t CodeES;

// Raises EInOutError for a pending code, and clears it.
void ControleES();
