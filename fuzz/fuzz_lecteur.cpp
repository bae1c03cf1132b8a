// Drives the line reader and field splitting over random files: every input
// is a file, counted, read again after the rewind, read once more through
// the companion's large buffer, and each line cut into 64 fields.
// The lines must be those of a plain restatement of the line rules, the same
// on every pass, and the fields and the rest of each line must give the line
// back, with or without Far-East lead bytes (chosen by the first byte of the
// input).
#include "FichierEntree.h"
#include "dates/ChargeReglagesDate.h"
#include "exportfile/DecoupageChamps.h"
#include "exportfile/LecteurLignes.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char LF = '\n', CR = '\r', CtrlZ = '\x1A';

// Past the end of a physical line, as the step past a line end goes: up to
// an LF or a CR LF, stopping before a Ctrl-Z.
void PasseFinPhysique(const std::string& o, std::size_t& i) {
    while (i < o.size() && o[i] != CtrlZ) {
        const char c = o[i++];
        if (c == LF) return;
        if (c == CR && (i >= o.size() || o[i] == CtrlZ)) return;
        if (c == CR && o[i] == LF) {
            ++i;
            return;
        }
    }
}

// The lines that the rules give for the bytes o.
std::vector<std::string> LignesAttendues(const std::string& o) {
    std::vector<std::string> lignes;
    std::size_t i = 0;
    while (i < o.size() && o[i] != CtrlZ) {
        std::string ligne;
        while (i < o.size()) {
            const char c = o[i];
            if (c == LF || (c == CR && i + 1 < o.size() && o[i + 1] == LF)) {
                PasseFinPhysique(o, i);
                break;
            }
            if (c == CtrlZ) {
                PasseFinPhysique(o, ++i);
                break;
            }
            if (c != CR) ligne += c;
            ++i;
        }
        lignes.push_back(ligne);
    }
    return lignes;
}

std::vector<std::string> LitLignes(LecteurLignes& fichier) {
    std::vector<std::string> lignes;
    Texte ligne;
    while (!FinDeFichier(fichier)) {
        ControleES();
        LitLigne(fichier, ligne);
        PasseLigne(fichier);
        ControleES();
        lignes.push_back(ligne.Octets());
    }
    ControleES();
    return lignes;
}

// Cuts a line into 64 fields, one cut a step: what was cut, each with its
// ";", followed by what stays of the line, is the line. All the steps in one
// cut give the same fields and the same rest.
void VerifieDecoupage(const std::string& ligne) {
    TableChamps champ;
    Texte reste(ligne);
    std::string refaite;
    for (int k = 1; k <= 64; ++k) {
        const std::int32_t avant = reste.Longueur();
        LigneEnCoupe(reste).DecoupeChamp(champ, k);
        if (reste.Longueur() != avant) refaite += champ[k].Octets() + ";";
        else if (!champ[k].EstVide()) std::abort();
    }
    if (refaite + reste.Octets() != ligne) std::abort();
    TableChamps enUneCoupe;
    Texte resteEnUneCoupe(ligne);
    {
        LigneEnCoupe coupe(resteEnUneCoupe);
        for (int k = 1; k <= 64; ++k) coupe.DecoupeChamp(enUneCoupe, k);
    }
    if (!(enUneCoupe == champ) || resteEnUneCoupe != reste) std::abort();
}

void ChoisitExtremeOrient(bool actif) {
    ReglagesDate.ExtremeOrient = actif;
    ReglagesDate.OctetsDeTete.reset();
    if (!actif) return;
    for (int octet = 0x81; octet <= 0x9F; ++octet) ReglagesDate.OctetsDeTete.set(static_cast<std::size_t>(octet));
    for (int octet = 0xE0; octet <= 0xFC; ++octet) ReglagesDate.OctetsDeTete.set(static_cast<std::size_t>(octet));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    ChoisitExtremeOrient(taille > 0 && donnees[0] % 2 == 1);
    const FichierEntree entree(donnees, taille);

    LecteurLignes fichier;
    AssocieNom(fichier, NomFichier(entree.Nom()));
    OuvreLecture(fichier);
    ControleES();
    const std::vector<std::string> comptees = LitLignes(fichier);
    OuvreLecture(fichier);
    ControleES();
    const std::vector<std::string> relues = LitLignes(fichier);
    FermeFichier(fichier);
    ControleES();

    static std::vector<unsigned char> grand(TailleTamponLot);
    AssocieNom(fichier, NomFichier(entree.Nom()));
    DonneTampon(fichier, grand.data(), TailleTamponLot);
    OuvreLecture(fichier);
    ControleES();
    const std::vector<std::string> parGrandTampon = LitLignes(fichier);
    FermeFichier(fichier);
    ControleES();

    if (comptees != relues || comptees != parGrandTampon || comptees != LignesAttendues(octets)) std::abort();
    for (const std::string& ligne : comptees) VerifieDecoupage(ligne);
    return 0;
}
