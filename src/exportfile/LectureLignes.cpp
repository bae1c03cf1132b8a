// Reading lines: the end-of-file test, the text of a line and the step past
// its line end.
//
// A line ends at LF or at CR LF; a CR followed by anything else is dropped
// from the text. A Ctrl-Z where a line begins ends the file. A Ctrl-Z inside
// a line ends that line's text; the reader passes over it and the rest of
// that physical line is skipped by PasseLigne, so reading resumes at the next
// line whatever the Ctrl-Z's place in the buffer.
#include "exportfile/LecteurLignes.h"
#include "exportfile/RechercheOctets.h"
#include "exportfile/TamponLecteur.h"

#include <limits>
#include <new>

using namespace TamponLecteur;

namespace {

constexpr std::size_t LongueurMaxTexte = std::numeric_limits<std::int32_t>::max();

// Appends the run of ordinary bytes from the read position; false, with a
// code pending, when the text would grow beyond what a text or the memory
// can hold.
bool AjouteOctetsOrdinaires(LecteurLignes& fichier, std::string& texte) {
    const unsigned char* debut = fichier.AdresseTampon + fichier.PositionLecture;
    const unsigned char* fin = fichier.AdresseTampon + fichier.FinDonnees;
    const auto nombre = static_cast<std::size_t>(PremierParmi(debut, fin, std::array{LF, CR, CtrlZ}) - debut);
    if (nombre > LongueurMaxTexte - texte.size()) {
        CodeES = CodeFichier::LigneTropLongue;
        return false;
    }
    try {
        texte.append(reinterpret_cast<const char*>(debut), nombre);
    } catch (const std::bad_alloc&) {
        CodeES = CodeFichier::MemoireEpuisee;
        return false;
    }
    fichier.PositionLecture += static_cast<std::uint32_t>(nombre);
    return true;
}

enum class ApresCR { LF, AutreOctet, Fin };

// What follows a CR that has been taken; the byte is left unread.
ApresCR RegardeApresCR(LecteurLignes& fichier) {
    if (!AssureDonnees(fichier)) return ApresCR::Fin;
    return fichier.AdresseTampon[fichier.PositionLecture] == LF ? ApresCR::LF : ApresCR::AutreOctet;
}

}  // namespace

bool FinDeFichier(LecteurLignes& fichier) {
    if (EstEnLecture(fichier) && fichier.PositionLecture < fichier.FinDonnees)
        return fichier.AdresseTampon[fichier.PositionLecture] == CtrlZ;
    if (OctetSuivant(fichier) == Fin) return true;
    --fichier.PositionLecture;
    return false;
}

void LitLigne(LecteurLignes& fichier, Texte& texte) {
    std::string& octets = texte.Octets();
    octets.clear();
    if (!EstEnLecture(fichier)) {
        CodeES = CodeFichier::PasEnLecture;
        return;
    }
    bool debutDeLigne = true;
    for (;;) {
        if (!AssureDonnees(fichier)) return;
        const std::uint32_t avant = fichier.PositionLecture;
        if (!AjouteOctetsOrdinaires(fichier, octets)) return;
        if (fichier.PositionLecture != avant) debutDeLigne = false;
        if (fichier.PositionLecture == fichier.FinDonnees) continue;

        const unsigned char octet = fichier.AdresseTampon[fichier.PositionLecture];
        if (octet == LF) return;
        if (octet == CtrlZ) {
            if (!debutDeLigne) ++fichier.PositionLecture;
            return;
        }
        // A CR ends the line before an LF; anywhere else it is dropped.
        debutDeLigne = false;
        ++fichier.PositionLecture;
        if (RegardeApresCR(fichier) != ApresCR::AutreOctet) return;
    }
}

void PasseLigne(LecteurLignes& fichier) {
    for (;;) {
        const int octet = OctetSuivant(fichier);
        if (octet == Fin || octet == LF) return;
        if (octet != CR) continue;
        const int apres = OctetSuivant(fichier);
        if (apres == Fin || apres == LF) return;
        --fichier.PositionLecture;
    }
}
