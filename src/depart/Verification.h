// The steps of the date check ("Traite"): reading and cutting one record, the
// date validity test, the report line, and the loop over the NbLignes
// records, which tells an observer where it stands and what it refused.
#pragma once

#include "commun/Texte.h"

#include <cstdint>

struct RaisonRefus;

// What the check loop reports to whoever drives it (the window's progress bar
// and report box, or the companion's standard output).
class ObservateurVerification {
public:
    virtual ~ObservateurVerification() = default;
    // Record n (from 0) is about to be read.
    virtual void Avance(std::int32_t n) = 0;
    // Every tenth record (n = 0, 10, 20, ...): show the progress now.
    virtual void MontreProgression() = 0;
    // A refused date, as its report line; may fail, and then NbErreurs is
    // left as it was.
    virtual void AjouteLigneRapport(const Texte& ligne) = 0;
};

// The field of the act's date, and the field that names the act in the
// report.
inline constexpr int ChampDate = 7;
inline constexpr int ChampReference = 3;

// Which fields a record read fills.
enum class ChampsLus {
    // Champ[1] to Champ[NbChamps], the last field taking the rest of the
    // line: the table as the window keeps it.
    DuType,
    // Champ[1] to Champ[ChampDate] only, the rest left in Ligne: every field
    // that the verdict and the report read (both are cut by the first steps
    // for every kind), for a caller that keeps no table.
    DuRapport,
};

// Sets NbErreurs to 1, before the first record, and starts counting the
// refused dates that another convention would accept (AutreConvention.h).
void DebuteVerification();

// Reads the next line into Ligne and cuts it into the fields asked for.
void LitEnregistrement(ChampsLus champs = ChampsLus::DuType);

// Whether the text is a date under the regional settings; when raison is
// given, it receives why a refused text was refused. Only the refusal of a
// date is absorbed; any other failure goes up.
bool DateValide(const Texte& texte, RaisonRefus* raison = nullptr);

// Champ[ChampReference], " : ", Champ[ChampDate].
Texte LigneRapport();

// Reads and checks the NbLignes records, from the reader's current line on;
// each refused date is noted for the hint of another convention.
// When raison is given, it holds the reason of each refused date while the
// observer is told of that date.
void VerifieEnregistrements(ObservateurVerification& observateur, ChampsLus champs = ChampsLus::DuType,
                            RaisonRefus* raison = nullptr);

// Closes FichierExport and raises the failure that closing leaves.
void FermeExport();

// Whether at least one date was refused.
bool DatesRefusees();

// How many dates were refused since DebuteVerification: NbErreurs less the 1
// that it starts from (taken modulo 2^32, as NbErreurs wraps).
std::uint32_t NombreDeRefus();
