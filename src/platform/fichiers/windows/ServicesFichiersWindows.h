// The file services over the Windows file API. A file is opened for reading
// with CreateFileW under its Unicode name (a NomFichier's UTF-8 made UTF-16,
// whatever the system's code page), other programs being allowed to read it
// only: so the opening fails while another program holds it open for
// writing, and no program can open it for writing while the tool reads it.
// Every failure is the code that GetLastError gives, unchanged; a name that
// is not UTF-8, or holds a zero, gives ERROR_INVALID_NAME.
#pragma once

#include "platform/fichiers/ServicesFichiers.h"

class ServicesFichiersWindows final : public ServicesFichiers {
public:
    std::int32_t OuvreEnLecture(const char* nom, std::size_t longueurNom, IdentiteFichier& identite,
                                Poignee& poignee) override;
    std::int32_t Lit(Poignee poignee, unsigned char* place, std::uint32_t taille, std::uint32_t& lus) override;
    std::int32_t Ferme(Poignee poignee) override;
};
