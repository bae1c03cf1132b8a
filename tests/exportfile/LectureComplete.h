// Reads a whole file as the tool's handlers do: bind, open, then while the
// end-of-file test says no, read a line and pass its end, checking after
// every operation.
#pragma once

#include "exportfile/LecteurLignes.h"

#include <string>
#include <vector>

inline std::vector<std::string> LitLignesRestantes(LecteurLignes& fichier) {
    std::vector<std::string> lignes;
    Texte ligne;
    for (;;) {
        const bool fin = FinDeFichier(fichier);
        ControleES();
        if (fin) return lignes;
        LitLigne(fichier, ligne);
        PasseLigne(fichier);
        ControleES();
        lignes.push_back(ligne.Octets());
    }
}

inline std::vector<std::string> LitToutesLesLignes(const std::string& nom) {
    LecteurLignes fichier;
    AssocieNom(fichier, Texte(nom));
    OuvreLecture(fichier);
    ControleES();
    std::vector<std::string> lignes = LitLignesRestantes(fichier);
    FermeFichier(fichier);
    ControleES();
    return lignes;
}
