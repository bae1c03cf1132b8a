// The input in an anonymous memory file, named by its descriptor under
// /proc/self/fd/. The descriptor kept is read-only: the reader takes a read
// lease, which the kernel refuses while the file is open for writing anywhere,
// so the writable descriptor is closed once the bytes are in.
#include "FichierEntree.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {
std::string CheminDe(int descripteur) { return "/proc/self/fd/" + std::to_string(descripteur); }
}  // namespace

FichierEntree::FichierEntree(const std::uint8_t* octets, std::size_t taille) {
    const int ecriture = ::memfd_create("entree-fuzz", MFD_CLOEXEC);
    if (ecriture < 0 || ::write(ecriture, octets, taille) != static_cast<ssize_t>(taille)) std::abort();
    descripteur_ = ::open(CheminDe(ecriture).c_str(), O_RDONLY | O_CLOEXEC);
    ::close(ecriture);
    if (descripteur_ < 0) std::abort();
    nom_ = CheminDe(descripteur_);
}

FichierEntree::~FichierEntree() { ::close(descripteur_); }
