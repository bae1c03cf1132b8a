// LecteurLignes: the buffered, read-only line reader over a text file, with
// its line-end and Ctrl-Z rules. Operations leave a failure code pending in
// CodeES; ControleES raises it as an EInOutError.
#pragma once

#include "commun/Texte.h"
#include "platform/fichiers/NomFichier.h"
#include "platform/fichiers/ServicesFichiers.h"

#include <array>
#include <cstdint>

// Values of LecteurLignes::Mode; any other value means "not bound".
namespace ModeFichier {
inline constexpr std::uint16_t Ferme = 0xD7B0;
inline constexpr std::uint16_t Lecture = 0xD7B1;
}  // namespace ModeFichier

inline constexpr std::uint32_t TailleTamponLecteur = 128;
// The buffer that a caller reading whole batches of exports gives the reader
// (the companion): the size that measured fastest.
inline constexpr std::uint32_t TailleTamponLot = 64 * 1024;

// One file variable. All zero (as a global starts) means not bound. It owns
// the open file and its buffer, so it cannot be copied.
struct LecteurLignes {
    // An operation chosen at binding or opening; answers 0 or a failure code.
    using Operation = std::int32_t (*)(LecteurLignes&);

    Poignee PoigneeSysteme = 0;
    std::uint16_t Mode = 0;
    std::uint32_t TailleTampon = 0;
    std::uint32_t PositionLecture = 0;  // index of the next unread byte
    std::uint32_t FinDonnees = 0;       // number of valid bytes in the buffer
    unsigned char* AdresseTampon = nullptr;
    Operation OperationOuverture = nullptr;
    Operation OperationTransfert = nullptr;
    Operation OperationFermeture = nullptr;
    // The name as bound, whole: cutting a long path would open another file.
    NomFichier Nom;
    // The file first opened under this binding; a reopening must find it
    // unchanged, so that a second pass reads what the first one counted.
    IdentiteFichier Identite;
    std::array<unsigned char, TailleTamponLecteur> Tampon{};

    LecteurLignes() = default;
    LecteurLignes(const LecteurLignes&) = delete;
    LecteurLignes& operator=(const LecteurLignes&) = delete;
    // Releases a file still open.
    ~LecteurLignes();
};

void AssocieNom(LecteurLignes& fichier, const NomFichier& nom);
// Puts the variable back as it is at program start, not bound, releasing a
// file still open without leaving a code.
void DelieLecteur(LecteurLignes& fichier);
// Points a bound variable, before it is opened, at a buffer of the caller's
// instead of its own 128 bytes: each fill then reads up to taille bytes
// (at least 1). The buffer must outlive the reading; binding again puts the
// variable's own buffer back. The lines read are the same whatever the size.
void DonneTampon(LecteurLignes& fichier, unsigned char* adresse, std::uint32_t taille);
void OuvreLecture(LecteurLignes& fichier);
bool FinDeFichier(LecteurLignes& fichier);
void LitLigne(LecteurLignes& fichier, Texte& texte);
void PasseLigne(LecteurLignes& fichier);
void FermeFichier(LecteurLignes& fichier);

// The pending input/output code of the calling thread; 0 means none.
extern thread_local std::int32_t CodeES;

// Raises EInOutError for a pending code, and clears it.
void ControleES();
