// POSIX error numbers to the failure codes of the file services.
#include "platform/fichiers/linux/CodesErreurFichier.h"

#include "platform/fichiers/ServicesFichiers.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>

namespace {

// The folder part of a path: "." for a bare name, "/" for a file at the root.
std::string DossierParent(const std::string& chemin) {
    std::string dossier = chemin;
    while (dossier.size() > 1 && dossier.back() == '/') dossier.pop_back();
    const std::size_t barre = dossier.rfind('/');
    if (barre == std::string::npos) return ".";
    return barre == 0 ? "/" : dossier.substr(0, barre);
}

bool EstDossier(const std::string& chemin) {
    struct stat etat {};
    return ::stat(chemin.c_str(), &etat) == 0 && S_ISDIR(etat.st_mode);
}

}  // namespace

std::int32_t CodeEchecOuverture(int erreur, const char* nom) {
    if (erreur == ENOENT) {
        const std::string chemin = nom;
        if (chemin.empty()) return CodeFichier::CheminIntrouvable;
        return EstDossier(DossierParent(chemin)) ? CodeFichier::Introuvable : CodeFichier::CheminIntrouvable;
    }
    // A write lease held by another program refuses a non-blocking open.
    if (erreur == EWOULDBLOCK) return CodeFichier::Partage;
    return CodeEchecSysteme(erreur);
}

std::int32_t CodeEchecSysteme(int erreur) {
    switch (erreur) {
    case ENOTDIR: return CodeFichier::CheminIntrouvable;
    case EMFILE:
    case ENFILE: return CodeFichier::TropDeFichiers;
    case EACCES:
    case EPERM:
    case EISDIR: return CodeFichier::AccesRefuse;
    default: return BaseErrno + erreur;
    }
}

// The reader's own failures, in the same numbering as the system's.
const std::int32_t CodeFichier::LigneTropLongue = BaseErrno + EOVERFLOW;
const std::int32_t CodeFichier::MemoireEpuisee = BaseErrno + ENOMEM;
