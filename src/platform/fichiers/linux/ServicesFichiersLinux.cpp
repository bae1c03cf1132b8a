// POSIX file services with writer detection.
#include "platform/fichiers/linux/ServicesFichiersLinux.h"

#include "platform/fichiers/linux/CodesErreurFichier.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A handle of these services is a file descriptor.
int Descripteur(Poignee poignee) { return static_cast<int>(poignee); }

IdentiteFichier IdentiteDe(const struct stat& etat) {
    const auto nanosecondes = static_cast<std::uint64_t>(etat.st_mtim.tv_sec) * 1'000'000'000u +
                              static_cast<std::uint64_t>(etat.st_mtim.tv_nsec);
    return {static_cast<std::uint64_t>(etat.st_dev), static_cast<std::uint64_t>(etat.st_ino),
            static_cast<std::int64_t>(etat.st_size), nanosecondes};
}

// A shared lock over the whole file: refused while a cooperating program
// holds a write lock (POSIX or open-file-description locks).
std::int32_t PoseVerrouPartage(int fd) {
    struct flock verrou {};
    verrou.l_type = F_RDLCK;
    verrou.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &verrou) == 0) return 0;
    if (errno == EAGAIN || errno == EACCES) return CodeFichier::Partage;
    return 0;  // a file system without locks: nothing to cooperate with
}

// The O_NONBLOCK of the opening only served to never wait on a special file.
void RendBloquant(int fd) {
    const int drapeaux = ::fcntl(fd, F_GETFL);
    if (drapeaux >= 0) ::fcntl(fd, F_SETFL, drapeaux & ~O_NONBLOCK);
}

}  // namespace

ServicesFichiersLinux::Suivi* ServicesFichiersLinux::SuiviDe(Poignee poignee) {
    if (poignee < 0 || static_cast<std::size_t>(poignee) >= suivis_.size()) return nullptr;
    Suivi& suivi = suivis_[static_cast<std::size_t>(poignee)];
    return suivi.Ouvert ? &suivi : nullptr;
}

std::int32_t ServicesFichiersLinux::OuvreEnLecture(const char* nom, std::size_t longueurNom, IdentiteFichier& identite,
                                                   Poignee& poignee) {
    if (std::memchr(nom, '\0', longueurNom) != nullptr) return CodeFichier::NomInvalide;
    const int fd = ::open(nom, O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return CodeEchecOuverture(errno, nom);
    const std::int32_t code = PrendEnCharge(fd, nom, identite);
    if (code != 0) {
        Ferme(fd);
        return code;
    }
    poignee = fd;
    return 0;
}

std::int32_t ServicesFichiersLinux::PrendEnCharge(int fd, const char* nom, IdentiteFichier& identite) {
    struct stat etat {};
    if (::fstat(fd, &etat) != 0) return CodeEchecSysteme(errno);
    // A folder, a pipe, a device or a socket is no export: refusing it
    // spares a wait for a writer or an endless read.
    if (!S_ISREG(etat.st_mode)) return CodeFichier::AccesRefuse;
    RendBloquant(fd);
    const IdentiteFichier trouvee = IdentiteDe(etat);
    if (identite.EstConnue() && identite != trouvee) return CodeFichier::Partage;
    if (const std::int32_t code = PoseVerrouPartage(fd); code != 0) return code;

    if (suivis_.size() <= static_cast<std::size_t>(fd)) suivis_.resize(static_cast<std::size_t>(fd) + 1);
    Suivi& suivi = suivis_[static_cast<std::size_t>(fd)];
    suivi = Suivi{nom, trouvee, {}, 0, true};
    if (PoseBail(fd, suivi.Bail) == ResultatBail::Refuse) return CodeFichier::Partage;
    identite = trouvee;
    return 0;
}

std::int32_t ServicesFichiersLinux::ControleInchange(int fd, const Suivi& suivi) const {
    struct stat etat {};
    if (::fstat(fd, &etat) != 0) return CodeEchecSysteme(errno);
    if (IdentiteDe(etat) != suivi.Identite) return CodeFichier::Partage;
    // Replaced or removed: the name no longer leads to the file being read.
    struct stat parNom {};
    if (::stat(suivi.Nom.c_str(), &parNom) != 0 || parNom.st_dev != etat.st_dev || parNom.st_ino != etat.st_ino)
        return CodeFichier::Partage;
    return 0;
}

std::int32_t ServicesFichiersLinux::Lit(Poignee poignee, unsigned char* place, std::uint32_t taille,
                                        std::uint32_t& lus) {
    lus = 0;
    Suivi* suivi = SuiviDe(poignee);
    if (suivi == nullptr) return CodeEchecSysteme(EBADF);
    if (BailRompu(suivi->Bail)) return CodeFichier::Partage;
    ssize_t n = 0;
    do {
        n = ::read(Descripteur(poignee), place, taille);
    } while (n < 0 && errno == EINTR);
    if (n < 0) return CodeEchecSysteme(errno);
    // A short read is the end of the file: the last moment to see a change.
    suivi->OctetsDepuisControle += static_cast<std::uint64_t>(n);
    if (suivi->OctetsDepuisControle >= OctetsEntreControles || static_cast<std::uint32_t>(n) < taille) {
        suivi->OctetsDepuisControle = 0;
        if (const std::int32_t code = ControleInchange(Descripteur(poignee), *suivi); code != 0) return code;
    }
    lus = static_cast<std::uint32_t>(n);
    return 0;
}

std::int32_t ServicesFichiersLinux::Ferme(Poignee poignee) {
    if (Suivi* suivi = SuiviDe(poignee)) {
        RetireBail(suivi->Bail);
        *suivi = Suivi{};
    }
    // Linux releases the descriptor even when close reports EINTR.
    if (::close(Descripteur(poignee)) != 0 && errno != EINTR) return CodeEchecSysteme(errno);
    return 0;
}

// Never destroyed: a reader that is a global may still close its file while
// the program ends.
ServicesFichiers& ServicesFichiersPlateforme() {
    static ServicesFichiersLinux& services = *new ServicesFichiersLinux;
    return services;
}
