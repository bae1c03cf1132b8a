// The failures that opening a file through the reader raises, for the tests
// of each platform's file services: the reader must stay closed, and the code
// and the message must be those of the cause.
#pragma once

#include "commun/Exceptions.h"
#include "exportfile/LecteurLignes.h"

#include <gtest/gtest.h>

#include "LectureComplete.h"

#include <functional>
#include <string>
#include <vector>

inline EInOutError EchecOuverture(const std::string& nom) {
    LecteurLignes fichier;
    AssocieNom(fichier, NomFichier(nom));
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

struct CasEchecOuverture {
    std::string nom;
    std::int32_t code;
    std::string message;
};

inline void VerifieEchecsOuverture(const std::vector<CasEchecOuverture>& cas) {
    for (const CasEchecOuverture& c : cas) {
        const EInOutError e = EchecOuverture(c.nom);
        EXPECT_EQ(e.CodeErreur, c.code) << c.nom;
        EXPECT_EQ(e.Message().Octets(), c.message) << c.nom;
    }
}

// The code that the rewind of "Ouvre" leaves when change alters the file
// between the count and the rewind (0: none).
inline std::int32_t CodeDuRetourAuDebut(const std::string& nom, const std::function<void()>& change) {
    LecteurLignes fichier;
    OuvreFichier(fichier, nom);
    LitLignesRestantes(fichier);
    FermeFichier(fichier);
    ControleES();
    change();
    OuvreLecture(fichier);
    const std::int32_t code = CodeES;
    CodeES = 0;
    return code;
}
