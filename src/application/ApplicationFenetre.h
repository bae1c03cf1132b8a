// ApplicationFenetre: what the application objects of both windows share.
// The failure handling and display are written here once: a failure that
// escapes a handler lets go of the mouse, EAbort is kept silent, and any
// other is shown in an error box, its message with its final period and the
// title as caption. A failure met on the way does not take the place of the
// one being shown: when the platform cannot convert the message, it is
// shown as the tool reads it without the platform (ASCII, and the letters
// of the tool's own texts); when no box can be shown, it is written where a
// developer still sees it.
//
// The message box and the request to end are declared here too, so that the
// control operations shared by both windows reach them. Each window's
// application object gives what its toolkit does.
//
// So are the busy window (application/FenetreOccupee.h), its state kept
// here, and the reload of the regional date settings that the platform's
// announcements ask for.
#pragma once

#include "application/FenetreOccupee.h"
#include "commun/Exceptions.h"
#include "commun/TexteMixte.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

class ApplicationFenetre {
public:
    // Shows a modal box and returns the number of the button pressed.
    virtual int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) = 0;
    // Posts the request to end and returns at once.
    virtual void DemandeFin() = 0;

    void AfficheErreur(const Exception& echec);
    // For anything caught while delivering an event.
    void GereEchec(std::exception_ptr echec) noexcept;

    // The busy window, from the start of a long work to its end, whether it
    // ends or fails: the wait cursor, and a settings change kept meanwhile
    // acted on at the event loop's next turn.
    void DebuteAttente();
    void FinitAttente() noexcept;
    bool Occupee() const { return occupee_; }
    // Where the work shows its progress: the window takes its pending events,
    // at once the first time, then every IntervalleEvenements.
    void Respire();
    // What the toolkit does now with an event of that kind.
    SortEvenement Trie(GenreEvenement genre);

    // The platform announced a change of its regional settings: ReglagesDate
    // is reloaded while MajReglagesAuChangement, now or when the work ends.
    void ReglagesAnnonces();
    bool MajReglagesAuChangement = true;

protected:
    ApplicationFenetre() = default;
    ~ApplicationFenetre() = default;
    ApplicationFenetre(const ApplicationFenetre&) = delete;
    ApplicationFenetre& operator=(const ApplicationFenetre&) = delete;

private:
    // A button left pressed lets go of the mouse.
    virtual void RelacheSouris() noexcept = 0;
    // The error box, captioned with the title, its text in UTF-8; returns
    // when the user has closed it.
    virtual void MontreBoiteErreur(const std::string& texteUtf8) = 0;
    // Where a failure goes when no box could show it.
    virtual void SignaleSansBoite(std::string_view texteUtf8) noexcept = 0;
    // The wait cursor shown, or the usual one back.
    virtual void MontreAttente(bool occupee) noexcept = 0;
    // Takes every pending event, each delivered or thrown away as Trie says.
    virtual void PrendEvenementsEnAttente() = 0;
    // Runs ReglagesAnnonces at the event loop's next turn.
    virtual void RappelleReglages() noexcept = 0;

    bool occupee_ = false;
    bool reglagesGardes_ = false;
    std::chrono::steady_clock::time_point prochainTour_;
};
