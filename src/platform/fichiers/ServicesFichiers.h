// The platform's file services behind the line reader: open an existing file
// for reading, read into a buffer, close. Each answers 0 on success or the
// failure code that the reader leaves pending, numbered as on the original
// platform for the failures whose messages the tool knows. Each platform's
// folder gives its own (linux/: POSIX files); tests serve files from memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace CodeFichier {
inline constexpr std::int32_t Introuvable = 2;        // the file does not exist
inline constexpr std::int32_t CheminIntrouvable = 3;  // a folder of the path does not exist
inline constexpr std::int32_t TropDeFichiers = 4;
inline constexpr std::int32_t AccesRefuse = 5;
inline constexpr std::int32_t Partage = 32;       // written by another program
inline constexpr std::int32_t NomInvalide = 123;  // a zero byte inside the name
inline constexpr std::int32_t TubeRompu = 109;    // a read that counts as the end of the file

// The line reader's own codes, for an operation that its variable's state
// forbids: opening a variable never bound, closing one that is not open,
// reading one that is not open for reading.
inline constexpr std::int32_t NonAssocie = 102;
inline constexpr std::int32_t NonOuvert = 103;
inline constexpr std::int32_t PasEnLecture = 104;
// Codes that have a message of their own although nothing in the tool
// leaves them: reading past the end, a full disk, a bad number.
inline constexpr std::int32_t LectureApresFin = 100;
inline constexpr std::int32_t DisquePlein = 101;
inline constexpr std::int32_t SaisieNumerique = 106;

// Failures that the line reader finds itself, numbered by each platform's
// own code table: a line longer than a text can hold (2^31 - 1 bytes), and a
// line longer than the memory can hold.
extern const std::int32_t LigneTropLongue;
extern const std::int32_t MemoireEpuisee;
}  // namespace CodeFichier

// An open file as the platform knows it: a descriptor or a handle, whichever
// the platform has; wide enough for a pointer.
using Poignee = std::intptr_t;

// What a file was when first opened under a name: a later opening under the
// same name must find the very same, unchanged file. All zero: none yet.
struct IdentiteFichier {
    std::uint64_t Peripherique = 0;
    std::uint64_t Noeud = 0;
    std::int64_t Taille = 0;
    // The last write, in the platform's own ticks (nanoseconds on Linux, the
    // 100-nanosecond intervals of the file times on Windows): only ever
    // compared with another reading of the same file.
    std::uint64_t DerniereEcriture = 0;

    bool EstConnue() const { return *this != IdentiteFichier{}; }
    friend bool operator==(const IdentiteFichier&, const IdentiteFichier&) = default;
};

class ServicesFichiers {
public:
    virtual ~ServicesFichiers() = default;

    // Opens an existing file for reading, refusing other writers; nom and
    // longueurNom are the bytes of a NomFichier. When
    // identite is known, the file must still be that one, unchanged (else
    // CodeFichier::Partage); when it is not, it receives the file's identity.
    virtual std::int32_t OuvreEnLecture(const char* nom, std::size_t longueurNom, IdentiteFichier& identite,
                                        Poignee& poignee) = 0;
    // Reads up to taille bytes; lus receives the count (0 at the end).
    virtual std::int32_t Lit(Poignee poignee, unsigned char* place, std::uint32_t taille, std::uint32_t& lus) = 0;
    virtual std::int32_t Ferme(Poignee poignee) = 0;
};

// The services in force: the platform's own unless a test put others.
ServicesFichiers& ServicesFichiersCourants();
// Puts other services in force (nullptr: back to the platform's own).
void InstalleServicesFichiers(ServicesFichiers* services);

// The platform's own services, built at the first call and never destroyed;
// each platform's folder gives this function.
ServicesFichiers& ServicesFichiersPlateforme();
