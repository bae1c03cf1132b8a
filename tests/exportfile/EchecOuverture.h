// The failure that opening a file through the reader raises, for the tests of
// each platform's file services; the reader must stay closed.
#pragma once

#include "commun/Exceptions.h"
#include "exportfile/LecteurLignes.h"

#include <gtest/gtest.h>

#include <string>

inline EInOutError EchecOuverture(const std::string& nom) {
    LecteurLignes fichier;
    AssocieNom(fichier, Texte(nom));
    OuvreLecture(fichier);
    try {
        ControleES();
    } catch (const EInOutError& e) {
        EXPECT_EQ(fichier.Mode, ModeFichier::Ferme) << nom;
        return e;
    }
    ADD_FAILURE() << nom << " opened";
    return EInOutError(Texte(), 0);
}
