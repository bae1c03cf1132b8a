// Watching an open file for writers with a read lease: the kernel refuses
// the lease while another program holds the file open for writing, and later
// signals when a program opens it for writing or truncates it. The signal
// handler only raises a flag and gives the lease up at once, so the other
// program is not kept waiting; the reader looks at the flag, which costs no
// system call.
#pragma once

enum class ResultatBail {
    Pose,          // watched: a later writer raises the flag
    Refuse,        // another program holds the file open for writing
    Indisponible,  // no lease here (a file of another user, a file system without leases, no free slot)
};

struct SurveillanceBail {
    int Emplacement = -1;  // -1: not watched
};

// Takes a read lease on fd and starts watching it.
ResultatBail PoseBail(int fd, SurveillanceBail& surveillance);

// True once a writer has come since the lease was taken.
bool BailRompu(const SurveillanceBail& surveillance);

// Stops watching (before fd is closed, which ends the lease).
void RetireBail(SurveillanceBail& surveillance);
