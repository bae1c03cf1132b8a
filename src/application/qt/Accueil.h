// TAccueil: the tool's one window, built from its layout (resources/
// Accueil.ui). Every control is a named member the handlers reach directly:
// Logo, BoutonOuvre, BoutonTraite, BoutonQuite, LabelType, LabelNombre, Memo,
// BarreEtat, ChampType, ChampNombre, Progression, Entree, and OpenDialog.
//
// Control operations for the handlers:
//   Progression: Min(), Max(), Position(), Step(), FixeMax(n) (may raise
//     EInvalidOperation), FixePosition(n), FixeStep(n), Repeint() (redraws at
//     once when the band's length changed), setVisible(bool).
//   Entree: Vide(), AjouteLigne(texte) (may raise
//     EOutOfResources), resize(largeur, hauteur), setVisible(bool).
//   ChampType, ChampNombre: FixeTexte(texte).
//   OpenDialog: Execute(), FileName().
// ChampType and ChampNombre take texts of the tool's own (Windows-1252), Entree
// lines of the export (the system's code page).
//
// A click on a button runs its handler guarded: a failure that escapes it
// is shown by the application object and the window waits for the next
// action. Closing the window asks to end the run, as "Quitte" does.
//
// For the keyboard and screen readers (application/Accessibilite.h): Alt and
// a button's letter press it (Qt's mnemonic, the letter underlined); each
// label is its field's buddy and names it; the report box has a name of its
// own.
//
// Files come in otherwise than through "Ouvre" too: those given on the
// command line at the first turn of the event loop, and those dropped on the
// window (the window takes every drop of files, its controls none), through
// Qt's ordinary drop events; each time, "Ouvre" as if the dialog had been
// confirmed on the file.
#pragma once

#include "application/qt/controles/TOpenDialog.h"
#include "commun/Texte.h"
#include "ui_Accueil.h"

#include <QWidget>

#include <vector>

class TAccueil : public QWidget, public Ui::Accueil {
    Q_OBJECT

public:
    explicit TAccueil(QWidget* parent = nullptr);

    TOpenDialog* OpenDialog;

    void BoutonOuvreClick(QObject* Sender);
    void BoutonTraiteClick(QObject* Sender);
    void BoutonQuiteClick(QObject* Sender);

    // Files given otherwise than through the dialog (paths' own bytes):
    // opened now, or at the first turn of the event loop.
    void OuvreFichiersDonnes(const std::vector<NomFichier>& noms);
    void OuvreAuDemarrage(const std::vector<NomFichier>& noms);

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;

private:
    void DonneApparence();
    void DonneImages();
    void RelieBoutons();
    void RendAccessible();
    void PrendLesDepots();
};
