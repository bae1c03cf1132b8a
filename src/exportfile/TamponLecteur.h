// The steps under the reading operations: the buffer fill and the next byte,
// shared by the opening and the reading units of the line reader.
#pragma once

#include "exportfile/LecteurLignes.h"

namespace TamponLecteur {

inline constexpr unsigned char LF = 0x0A;
inline constexpr unsigned char CR = 0x0D;
inline constexpr unsigned char CtrlZ = 0x1A;
// What OctetSuivant yields instead of a byte.
inline constexpr int Fin = -1;

inline bool EstEnLecture(const LecteurLignes& fichier) { return fichier.Mode == ModeFichier::Lecture; }

// The transfer operation of a variable open for reading: one system read of
// up to a buffer's worth. A broken pipe counts as the end of the file.
std::int32_t RemplitTampon(LecteurLignes& fichier);

// Makes sure unread bytes are in the buffer. False at the end of the file,
// where a Ctrl-Z mark is left so that the end stays visible, and after a
// failed fill, whose code is then pending.
inline bool AssureDonnees(LecteurLignes& fichier) {
    if (fichier.PositionLecture < fichier.FinDonnees) return true;
    if (const std::int32_t code = fichier.OperationTransfert(fichier); code != 0) {
        CodeES = code;
        return false;
    }
    if (fichier.FinDonnees == 0) {
        fichier.AdresseTampon[0] = CtrlZ;
        fichier.FinDonnees = 1;
        return false;
    }
    return true;
}

// The next byte, or Fin: not open for reading (PasEnLecture pending), end of the
// file, a failed fill, or a Ctrl-Z, which is left in place.
inline int OctetSuivant(LecteurLignes& fichier) {
    if (!EstEnLecture(fichier)) {
        CodeES = CodeFichier::PasEnLecture;
        return Fin;
    }
    if (!AssureDonnees(fichier)) return Fin;
    const unsigned char octet = fichier.AdresseTampon[fichier.PositionLecture];
    if (octet == CtrlZ) return Fin;
    ++fichier.PositionLecture;
    return octet;
}

}  // namespace TamponLecteur
