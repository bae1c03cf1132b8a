// The file services over POSIX. Files are opened read-only and never
// written, created or truncated. Linux cannot refuse a writer as the
// original platform's sharing did, so writers are detected instead: an
// opening fails with CodeFichier::Partage when another program holds the
// file open for writing (a read lease is refused) or holds a write lock; and
// once the file is open, a read fails with that code as soon as a writer has
// come (the lease is broken) or the file no longer is what was opened
// (its size or modification time changed, or its name now leads elsewhere),
// checked every few hundred kilobytes and at the end of the file.
#pragma once

#include "platform/fichiers/ServicesFichiers.h"
#include "platform/fichiers/linux/SurveillanceBail.h"

#include <string>
#include <vector>

class ServicesFichiersLinux : public ServicesFichiers {
public:
    // Bytes read between two checks of the file's size, time and name,
    // whatever the size of the reader's buffer.
    static constexpr std::uint64_t OctetsEntreControles = 256 * 1024;

    std::int32_t OuvreEnLecture(const char* nom, std::size_t longueurNom, IdentiteFichier& identite,
                                Poignee& poignee) override;
    std::int32_t Lit(Poignee poignee, unsigned char* place, std::uint32_t taille, std::uint32_t& lus) override;
    std::int32_t Ferme(Poignee poignee) override;

private:
    struct Suivi {
        std::string Nom;
        IdentiteFichier Identite;
        SurveillanceBail Bail;
        std::uint64_t OctetsDepuisControle = 0;
        bool Ouvert = false;
    };

    Suivi* SuiviDe(Poignee poignee);
    // Locks, lease and identity of a freshly opened regular file.
    std::int32_t PrendEnCharge(int fd, const char* nom, IdentiteFichier& identite);
    // CodeFichier::Partage when the file is no longer the one opened.
    std::int32_t ControleInchange(int fd, const Suivi& suivi) const;

    std::vector<Suivi> suivis_;  // indexed by file descriptor
};
