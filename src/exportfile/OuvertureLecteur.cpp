// Binding, opening, closing of the line reader, and the disk operations
// chosen at binding and opening.
#include "exportfile/LecteurLignes.h"
#include "exportfile/TamponLecteur.h"

using TamponLecteur::EstEnLecture;

namespace {

std::int32_t OuvreFichierDisque(LecteurLignes& fichier) {
    const std::string& nom = fichier.Nom.Octets();
    return ServicesFichiersCourants().OuvreEnLecture(nom.c_str(), nom.size(), fichier.Identite, fichier.PoigneeSysteme);
}

std::int32_t FermeFichierDisque(LecteurLignes& fichier) {
    fichier.Mode = ModeFichier::Ferme;
    return ServicesFichiersCourants().Ferme(fichier.PoigneeSysteme);
}

bool EstLie(const LecteurLignes& fichier) { return fichier.Mode == ModeFichier::Ferme || EstEnLecture(fichier); }

// Closes an open file without leaving a code, as binding and unbinding do.
void LibereSansCode(LecteurLignes& fichier) {
    if (EstEnLecture(fichier)) fichier.OperationFermeture(fichier);
}

// Every field but the name back to what a variable holds at program start,
// a file still open released first.
void RemetAZero(LecteurLignes& fichier) {
    LibereSansCode(fichier);
    fichier.PoigneeSysteme = 0;
    fichier.Mode = 0;
    fichier.TailleTampon = 0;
    fichier.PositionLecture = 0;
    fichier.FinDonnees = 0;
    fichier.AdresseTampon = nullptr;
    fichier.OperationOuverture = nullptr;
    fichier.OperationTransfert = nullptr;
    fichier.OperationFermeture = nullptr;
    fichier.Identite = {};
    fichier.Tampon.fill(0);
}

}  // namespace

std::int32_t TamponLecteur::RemplitTampon(LecteurLignes& fichier) {
    fichier.PositionLecture = 0;
    fichier.FinDonnees = 0;
    std::uint32_t lus = 0;
    const std::int32_t code =
        ServicesFichiersCourants().Lit(fichier.PoigneeSysteme, fichier.AdresseTampon, fichier.TailleTampon, lus);
    if (code == CodeFichier::TubeRompu) return 0;
    if (code != 0) return code;
    fichier.FinDonnees = lus;
    return 0;
}

LecteurLignes::~LecteurLignes() { LibereSansCode(*this); }

void AssocieNom(LecteurLignes& fichier, const NomFichier& nom) {
    RemetAZero(fichier);
    fichier.AdresseTampon = fichier.Tampon.data();
    fichier.Mode = ModeFichier::Ferme;
    fichier.TailleTampon = TailleTamponLecteur;
    fichier.OperationOuverture = OuvreFichierDisque;
    fichier.Nom = nom;
}

void DelieLecteur(LecteurLignes& fichier) {
    RemetAZero(fichier);
    fichier.Nom = NomFichier();
}

void DonneTampon(LecteurLignes& fichier, unsigned char* adresse, std::uint32_t taille) {
    fichier.AdresseTampon = adresse;
    fichier.TailleTampon = taille;
    fichier.PositionLecture = 0;
    fichier.FinDonnees = 0;
}

void OuvreLecture(LecteurLignes& fichier) {
    if (!EstLie(fichier)) {
        CodeES = CodeFichier::NonAssocie;
        return;
    }
    if (fichier.Mode != ModeFichier::Ferme) FermeFichier(fichier);
    fichier.Mode = ModeFichier::Lecture;
    fichier.PositionLecture = 0;
    fichier.FinDonnees = 0;
    fichier.OperationTransfert = TamponLecteur::RemplitTampon;
    fichier.OperationFermeture = FermeFichierDisque;
    if (const std::int32_t code = fichier.OperationOuverture(fichier); code != 0) {
        fichier.Mode = ModeFichier::Ferme;
        CodeES = code;
    }
}

void FermeFichier(LecteurLignes& fichier) {
    if (!EstEnLecture(fichier)) {
        CodeES = CodeFichier::NonOuvert;
        return;
    }
    if (const std::int32_t code = fichier.OperationFermeture(fichier); code != 0) CodeES = code;
}
