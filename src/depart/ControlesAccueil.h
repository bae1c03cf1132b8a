// The control operations that the handlers of "Ouvre" and "Traite" use, as
// every window toolkit's front end gives them over its own controls: the open
// dialog, the report box Entree, the progress bar Progression, the two fields
// ChampType and ChampNombre, the message box and the request to end of the
// application object. The step sequences of the two buttons
// (depart/SequencesAccueil.h) are written once against these.
//
// Each text is in the code page it was written in, which the front end
// converts from: the report's lines are bytes of the export; the fields'
// texts are the tool's own (Windows-1252); a box's text and caption are the
// tool's own, with the export's parts marked (TexteMixte); the file name is
// the platform's (NomFichier).
#pragma once

#include "commun/Texte.h"
#include "commun/TexteMixte.h"
#include "depart/AutreConvention.h"
#include "platform/fichiers/NomFichier.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class ControlesAccueil {
public:
    virtual ~ControlesAccueil() = default;

    // Runs the open dialog: true when a file was confirmed, which
    // FileNameOpenDialog then gives as a full path.
    virtual bool ExecuteOpenDialog() = 0;
    virtual NomFichier FileNameOpenDialog() = 0;
    // The files a user gave otherwise than through the dialog (on the
    // command line, by a drop): how many, and the dialog taken as confirmed
    // on the first (FileNameOpenDialog then gives its full path).
    virtual std::size_t NombreFichiersDonnes() { return 0; }
    virtual void ConfirmeFichierDonne() {}

    virtual void MontreEntree(bool visible) = 0;
    // Resizes the report box; its top left corner stays at (0, 0).
    virtual void DimensionneEntree(int largeur, int hauteur) = 0;
    virtual void VideEntree() = 0;
    // Adds a line at the end of the report box; EOutOfResources when the box
    // cannot take it whole. A front end may keep lines back while the box is
    // hidden, until VerseLignesEntree.
    virtual void AjouteLigneEntree(const Texte& ligne) = 0;
    // Puts every line kept back into the box (may fail as AjouteLigneEntree).
    virtual void VerseLignesEntree() {}
    // A check starts: the report lines it adds are explained later under
    // the regional settings of now.
    virtual void DebuteRapport() {}

    // The hint of another convention in the status bar; none clears it.
    virtual void MontreIndice(const std::optional<IndiceConvention>&) {}

    virtual void MontreProgression(bool visible) = 0;
    // EInvalidOperation when below the bar's minimum; nothing changes then.
    virtual void FixeMaxProgression(std::int32_t maximum) = 0;
    virtual void FixePositionProgression(std::int32_t position) = 0;
    // Redraws the bar at once, without waiting for the event loop.
    virtual void RepeintProgression() = 0;

    virtual void FixeTexteChampType(const Texte& texte) = 0;
    virtual void FixeTexteChampNombre(const Texte& texte) = 0;

    // The window is busy while the survey or the check works: from
    // DebuteAttente to FinitAttente, Respire lets it take its pending events
    // where the work shows its progress.
    virtual void DebuteAttente() {}
    virtual void FinitAttente() noexcept {}
    virtual void Respire() {}

    // The application object's modal message box and request to end.
    virtual int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) = 0;
    virtual void DemandeFin() = 0;
};
