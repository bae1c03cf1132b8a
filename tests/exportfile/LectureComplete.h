// Reads a whole file as the tool's handlers do: bind, open, then while the
// end-of-file test says no, read a line and pass its end, checking after
// every operation; and the openings that the tests of the reader share.
#pragma once

#include "exportfile/LecteurLignes.h"

#include <string>
#include <vector>

// Binds the reader to nom and opens it.
inline void OuvreFichier(LecteurLignes& fichier, const std::string& nom) {
    AssocieNom(fichier, NomFichier(nom));
    OuvreLecture(fichier);
    ControleES();
}

// Binds, opens, then opens again as "Ouvre" rewinds the file.
inline void OuvreEtRembobine(LecteurLignes& fichier, const std::string& nom) {
    OuvreFichier(fichier, nom);
    OuvreLecture(fichier);
    ControleES();
}

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
    OuvreFichier(fichier, nom);
    std::vector<std::string> lignes = LitLignesRestantes(fichier);
    FermeFichier(fichier);
    ControleES();
    return lignes;
}
