// TApplication: the tool's one application object on Windows. It derives
// the title from the executable's name, owns the hidden application window
// FenetreApplication (the owner of every message box and of the open
// dialog, and the tool's task-bar entry), runs the event loop, shows the
// modal message boxes, takes the request to end, shows every failure that
// escapes a window's handling, and reloads the regional date settings when
// the platform announces a change of them to the application window. The
// failure handling and display are application/ApplicationFenetre.h's; this
// object gives it the mouse capture, the platform's box and the debugger's
// output.
//
// While the tool works, the busy window (application/FenetreOccupee.h): the
// queue's messages are taken and sorted by their kind, a mouse button on the
// frame's caption or borders being the frame's, any other a click; a
// request to close or a change of settings that the system sends straight
// to a window procedure is sorted there.
#pragma once

#include "application/ApplicationFenetre.h"
#include "commun/Texte.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// What the event loop asks of the main window.
class FenetreOutil {
public:
    virtual ~FenetreOutil() = default;
    virtual HWND Handle() const = 0;
    // The dialog keys (tab and shift+tab between the controls): true when
    // the window took the key, which then goes no further.
    virtual bool TraiteToucheDialogue(const MSG& message) = 0;
};

class TApplication : public ApplicationFenetre {
public:
    explicit TApplication(HINSTANCE instance);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    HINSTANCE Instance() const { return instance_; }
    HWND FenetreApplication() const { return fenetre_; }
    // The icon MAINICON, at the platform's large and small sizes.
    HICON Icone() const { return icone_; }
    HICON PetiteIcone() const { return petiteIcone_; }
    // The title, read back from the application window's text.
    std::wstring TitreApplication() const;

    // The first window built becomes the main window.
    void FixeFenetrePrincipale(FenetreOutil& fenetre);

    // Shows the main window as the platform asked the program to start
    // (etatDemarrage, the show command it was given), then runs the event
    // loop until the request to end has been taken; 0.
    int BoucleEvenements(int etatDemarrage);

    // The box is owned by the application window.
    int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) override;
    // Only the main loop takes the request, so a box opened afterwards in
    // the same handler stays until the user closes it.
    void DemandeFin() override;
    bool FinPrise() const { return quitte_; }

    // Runs a window's handling of a message; whatever escapes it goes to
    // GereEchec and the message gets siEchec as its answer.
    LRESULT DelivreGarde(const std::function<LRESULT()>& traitement, LRESULT siEchec = 0) noexcept;

private:
    void RelacheSouris() noexcept override;
    void MontreBoiteErreur(const std::string& texteUtf8) override;
    void SignaleSansBoite(std::string_view texteUtf8) noexcept override;
    void MontreAttente(bool occupee) noexcept override;
    void PrendEvenementsEnAttente() override;
    void RappelleReglages() noexcept override;
    static LRESULT CALLBACK ProcedureFenetre(HWND fenetre, UINT message, WPARAM w, LPARAM l);
    LRESULT TraiteMessage(UINT message, WPARAM w, LPARAM l);
    void CreeFenetreApplication();
    void MontreFenetrePrincipale(int etatDemarrage);
    int AfficheBoite(const std::wstring& texte, const std::wstring& titre, std::uint32_t drapeaux);
    void Tour();
    bool EstDemandeFin(const MSG& message) const;

    HINSTANCE instance_;
    HICON icone_;
    HICON petiteIcone_;
    HWND fenetre_ = nullptr;
    UINT messageBarreDesTaches_;
    FenetreOutil* principale_ = nullptr;
    // Set when a modal loop inside a handler delivered the request to end:
    // the main loop takes it at its next turn.
    bool finEnAttente_ = false;
    bool quitte_ = false;
};

// The application object of the run (null before it is built).
extern TApplication* Application;
