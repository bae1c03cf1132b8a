// Read leases and the signal that the kernel sends when one is broken.
#include "platform/fichiers/linux/SurveillanceBail.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>

namespace {

constexpr int SignalBail = SIGIO;
constexpr int NombreEmplacements = 64;

struct Emplacement {
    std::atomic<int> Fd{-1};
    std::atomic<bool> Rompu{false};
};

std::array<Emplacement, NombreEmplacements> emplacements;
struct sigaction actionPrecedente {};

// Hands a signal that is not about a watched file to whoever had it before.
void TransmetAuPrecedent(int numero, siginfo_t* info, void* contexte) {
    if ((actionPrecedente.sa_flags & SA_SIGINFO) != 0 && actionPrecedente.sa_sigaction != nullptr) {
        actionPrecedente.sa_sigaction(numero, info, contexte);
    } else if (actionPrecedente.sa_handler != SIG_DFL && actionPrecedente.sa_handler != SIG_IGN &&
               actionPrecedente.sa_handler != nullptr) {
        actionPrecedente.sa_handler(numero);
    }
}

void QuandBailRompu(int numero, siginfo_t* info, void* contexte) {
    const int erreurSauvee = errno;
    bool trouve = false;
    for (Emplacement& e : emplacements) {
        if (info != nullptr && e.Fd.load() == info->si_fd && info->si_fd >= 0) {
            e.Rompu.store(true);
            ::fcntl(info->si_fd, F_SETLEASE, F_UNLCK);
            trouve = true;
        }
    }
    if (!trouve) TransmetAuPrecedent(numero, info, contexte);
    errno = erreurSauvee;
}

void InstalleGestionnaire() {
    static std::once_flag fait;
    std::call_once(fait, [] {
        struct sigaction action {};
        action.sa_sigaction = QuandBailRompu;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(SignalBail, &action, &actionPrecedente);
    });
}

int ReserveEmplacement(int fd) {
    for (int i = 0; i < NombreEmplacements; ++i) {
        int libre = -1;
        if (emplacements[static_cast<std::size_t>(i)].Fd.compare_exchange_strong(libre, fd)) {
            emplacements[static_cast<std::size_t>(i)].Rompu.store(false);
            return i;
        }
    }
    return -1;
}

}  // namespace

ResultatBail PoseBail(int fd, SurveillanceBail& surveillance) {
    InstalleGestionnaire();
    surveillance.Emplacement = ReserveEmplacement(fd);
    if (surveillance.Emplacement < 0) return ResultatBail::Indisponible;
    // The slot is ready before the lease exists, so that no break is missed.
    if (::fcntl(fd, F_SETSIG, SignalBail) == 0 && ::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) return ResultatBail::Pose;
    const int erreur = errno;
    RetireBail(surveillance);
    return erreur == EAGAIN ? ResultatBail::Refuse : ResultatBail::Indisponible;
}

bool BailRompu(const SurveillanceBail& surveillance) {
    return surveillance.Emplacement >= 0 &&
           emplacements[static_cast<std::size_t>(surveillance.Emplacement)].Rompu.load(std::memory_order_relaxed);
}

void RetireBail(SurveillanceBail& surveillance) {
    if (surveillance.Emplacement < 0) return;
    emplacements[static_cast<std::size_t>(surveillance.Emplacement)].Fd.store(-1);
    surveillance.Emplacement = -1;
}
