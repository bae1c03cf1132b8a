// TAccueil: the tool's one window on Windows, built from its layout
// (resources/Accueil.ui, through DispositionAccueil.h) at the screen's
// scale. The logo is drawn on the window's own surface; the three buttons
// (owner-drawn, never focused), the two labels (static controls, sized to
// their text) and the rest are child controls, a later one above an earlier
// one, so that the report box, when enlarged, covers the labels, the memo,
// the fields and the progress bar.
//
// For the keyboard and screen readers (application/Accessibilite.h): Alt and
// a button's letter press it; each control answers screen readers with its
// own name and role (ObjetAccessible.h); the report box has a context menu
// that copies (MenuRapport.h). Its colours are the layout's, or the system's
// while high contrast is on (Contraste.h), read again whenever the system
// announces a change of its colours or settings.
//
// While the tool works (application/FenetreOccupee.h), the window shows the
// wait cursor, and throws away a request to close it or a drop that reaches
// it otherwise than through the event loop.
//
// Control operations for the handlers: Progression (TProgressBar), Entree
// (TRichEdit) with MontreEntree and DimensionneEntree, ChampType and
// ChampNombre with FixeTexte, OpenDialog. The window and its controls are
// Unicode windows, given the tool's own texts (Windows-1252) through the
// wide-character calls; the report box takes the export's lines.
//
// Every message is handled under the application's guard: a failure that
// escapes a handler is shown and the window waits for the next action.
// Closing the window asks to end the run, as "Quitte" does.
//
// Files come in otherwise than through "Ouvre" too, their names in UTF-16:
// those given on the command line, at the first turn of the event loop, and
// those dropped on the window (WM_DROPFILES, delivered by the event loop as
// any message); each time, "Ouvre" as if the dialog had been confirmed on
// the file. The pointer resting on a line of the report shows why its date
// was refused, and on the status bar's first panel the hint of another
// convention that it holds after a check.
#pragma once

#include "application/CouleursFenetre.h"
#include "application/win32/Application.h"
#include "application/win32/Echelle.h"
#include "application/win32/Infobulles.h"
#include "application/win32/Polices.h"
#include "application/win32/controles/TImage.h"
#include "application/win32/controles/TOpenDialog.h"
#include "application/win32/controles/TProgressBar.h"
#include "application/win32/controles/TRichEdit.h"
#include "application/win32/controles/TSpeedButton.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

class TAccueil : public FenetreOutil {
public:
    TAccueil();
    ~TAccueil() override;
    TAccueil(const TAccueil&) = delete;
    TAccueil& operator=(const TAccueil&) = delete;

    HWND Handle() const override { return fenetre_; }
    bool TraiteToucheDialogue(const MSG& message) override;

    std::unique_ptr<TImage> Logo;
    std::unique_ptr<TSpeedButton> BoutonOuvre;
    std::unique_ptr<TSpeedButton> BoutonTraite;
    std::unique_ptr<TSpeedButton> BoutonQuite;
    HWND LabelType = nullptr;
    HWND LabelNombre = nullptr;
    HWND Memo = nullptr;
    HWND BarreEtat = nullptr;
    HWND ChampType = nullptr;
    HWND ChampNombre = nullptr;
    std::unique_ptr<TProgressBar> Progression;
    std::unique_ptr<TRichEdit> Entree;
    TOpenDialog OpenDialog;

    void BoutonOuvreClick(TSpeedButton* Sender);
    void BoutonTraiteClick(TSpeedButton* Sender);
    void BoutonQuiteClick(TSpeedButton* Sender);

    void MontreEntree(bool visible);
    // Sizes of the layout; the box's top left corner stays at (0, 0).
    void DimensionneEntree(int largeur, int hauteur);
    // Replaces the whole text of a field by a text of the tool's own and
    // shows it.
    static void FixeTexte(HWND champ, const Texte& texte);
    // The hint of another convention in the status bar's first panel (empty
    // texts: none).
    void MontreIndice(const Texte& court, const Texte& complet);

    // Files given otherwise than through the dialog: opened now, or at the
    // first turn of the event loop.
    void OuvreFichiersDonnes(const std::vector<std::wstring>& noms);
    void OuvreAuDemarrage(std::vector<std::wstring> noms);

private:
    // The files given on the command line wait for the first turn of the loop.
    static constexpr UINT MessageFichiersDonnes = WM_APP + 1;

    static LRESULT CALLBACK ProcedureFenetre(HWND fenetre, UINT message, WPARAM w, LPARAM l);
    LRESULT TraiteMessage(UINT message, WPARAM w, LPARAM l);
    void CreeFenetre();
    void CreeControles();
    void CreeInfobulles();
    std::wstring InfobulleRapport(POINT point) const;
    std::wstring InfobulleBarreEtat(POINT point) const;
    void Depose(HDROP depot);
    HWND CreeControle(const wchar_t* classe, const char* nom, DWORD style, DWORD styleEtendu, HFONT police);
    std::unique_ptr<TSpeedButton> CreeBouton(const char* nom, const char* glyph,
                                             void (TAccueil::*gestionnaire)(TSpeedButton*));
    HWND CreeLabel(const char* nom);
    HWND CreeBarreEtat();
    void NommeControles();
    RECT Place(const char* nom) const;

    void Peint();
    void AppliqueCouleurs();
    LRESULT Colore(HDC dc, HWND controle);
    void Dessine(const DRAWITEMSTRUCT& dessin);
    void DessineCredit(const DRAWITEMSTRUCT& dessin);
    bool Curseur(HWND sous, WORD zone);
    // Alt and a button's letter: true when it pressed a button.
    bool AppuieBouton(WPARAM caractere);
    void Active(bool actif);
    void DonneFocusSuivant(bool arriere);

    HWND fenetre_ = nullptr;
    Echelle echelle_;
    PolicesAccueil polices_;
    CouleursFenetre couleurs_{};
    ObjetGdi<HBRUSH> fondMemo_;
    ObjetGdi<HBRUSH> fondChamps_;
    // The credit text that the status bar's owner-drawn panel points to.
    std::wstring credit_;
    // The whole sentence of the hint in the first panel; empty: none.
    std::wstring indice_;
    std::vector<std::wstring> donnesAuDemarrage_;
    std::vector<TSpeedButton*> boutons_;
    std::vector<HWND> ordreTabulation_;
    std::unique_ptr<Infobulles> infobulles_;
    // The control that had the focus when the window was last left.
    HWND focusSauve_ = nullptr;
    HMODULE texteRiche_ = nullptr;
};
