// The reader over the file services' test double: failed and empty reads,
// failed closings, and the count of system reads.
#include "LectureComplete.h"

#include "commun/Exceptions.h"
#include "support/ServicesFichiersSimules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

class TamponSimule : public ::testing::Test {
protected:
    void SetUp() override { InstalleServicesFichiers(&services); }
    void TearDown() override {
        InstalleServicesFichiers(nullptr);
        CodeES = 0;
    }

    void Ouvre(const std::string& contenu) {
        services.AjouteFichier("export", contenu);
        AssocieNom(fichier, NomFichier("export"));
        OuvreLecture(fichier);
        ControleES();
    }

    std::int32_t CodeLeve() {
        try {
            ControleES();
        } catch (const EInOutError& e) {
            return e.CodeErreur;
        }
        return 0;
    }

    ServicesFichiersSimules services;
    LecteurLignes fichier;
};

TEST_F(TamponSimule, UneLectureSystemeParRemplissageDe128Octets) {
    std::string contenu;
    while (contenu.size() < 1000) contenu += "champ;champ;champ\r\n";
    contenu.resize(1000);
    Ouvre(contenu);
    LitLignesRestantes(fichier);
    // 7 full fills, one of the last 104 bytes, one that finds the end.
    EXPECT_EQ(services.NombreLectures(), 9);
}

TEST_F(TamponSimule, UnRemplissageEchoueGardeLesOctetsLusEtLeFichierOuvert) {
    Ouvre(std::string(200, 'a') + "\nsuite\n");
    services.FaitEchouerLecture(2, 1005);
    Texte ligne;
    LitLigne(fichier, ligne);
    EXPECT_EQ(ligne.Octets(), std::string(128, 'a'));
    EXPECT_EQ(CodeLeve(), 1005);
    EXPECT_EQ(fichier.Mode, ModeFichier::Lecture);
}

TEST_F(TamponSimule, UnTubeRompuEstLaFinDuFichier) {
    Ouvre("jamais lu\n");
    services.FaitEchouerLecture(1, CodeFichier::TubeRompu);
    EXPECT_TRUE(FinDeFichier(fichier));
    EXPECT_EQ(CodeLeve(), 0);
}

TEST_F(TamponSimule, UneFermetureEchoueeLaisseSonCodeEtLeFichierFerme) {
    Ouvre("a\n");
    services.FaitEchouerFermeture(1006);
    FermeFichier(fichier);
    EXPECT_EQ(CodeLeve(), 1006);
    EXPECT_EQ(fichier.Mode, ModeFichier::Ferme);
}

TEST_F(TamponSimule, RouvrirMalgreUneFermetureEchoueeRepartDuDebut) {
    Ouvre("un\ndeux\n");
    EXPECT_THAT(LitLignesRestantes(fichier), ElementsAre("un", "deux"));
    services.FaitEchouerFermeture(1006);
    OuvreLecture(fichier);
    EXPECT_EQ(CodeLeve(), 1006);
    EXPECT_THAT(LitLignesRestantes(fichier), ElementsAre("un", "deux"));
}

TEST_F(TamponSimule, AssocierUnNomLibereLeFichierSansEchouer) {
    Ouvre("a\n");
    services.FaitEchouerFermeture(1006);
    AssocieNom(fichier, NomFichier("autre"));
    EXPECT_EQ(CodeES, 0);
    EXPECT_EQ(services.NombreOuverts(), 0);
    EXPECT_EQ(fichier.Mode, ModeFichier::Ferme);
}

}  // namespace
