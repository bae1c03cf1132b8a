// TApplication: the tool's one application object. It holds the title, runs
// the event loop, shows the modal message boxes, takes the request to end,
// shows every failure that escapes a handler, and reloads the regional date
// settings when the user's regional format changes.
//
// The failure handling and display are application/ApplicationFenetre.h's;
// this object gives it Qt's mouse grab, its box and the standard error.
// Qt's own texts (the open dialog, the context menus, the standard buttons)
// are in French whatever the locale, as the tool is.
//
// While the tool works, the busy window (application/FenetreOccupee.h): Qt's
// override cursor, and every event that Qt delivers while the window takes
// its pending events sorted by its type.
//
// Answering without a person: a test sets RepondeurBoites and
// RepondeurDialogue. While one is installed, AfficheMessage (and so
// AfficheErreur) hands it the text, caption and flags, converted as the box
// would show them, instead of opening a box and returns its answer;
// TOpenDialog::Execute hands it the current file name and takes its answer
// (a path, or std::nullopt for a cancel) instead of opening the dialog.
// Without them the real modal boxes and dialog are shown.
#pragma once

#include "application/ApplicationFenetre.h"
#include "commun/DrapeauxBoite.h"
#include "commun/Texte.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class SurveillanceReglages;

class TApplication : public QApplication, public ApplicationFenetre {
    Q_OBJECT

public:
    using RepondeurMessage = std::function<int(const QString& texte, const QString& titre, std::uint32_t drapeaux)>;
    using RepondeurFichier = std::function<std::optional<QString>(const QString& nomInitial)>;

    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // The title derived from the executable's name at start, in the
    // system's code page.
    const Texte& TitreApplication() const { return titre_; }

    // Runs the event loop until the request to end has been taken; 0.
    int BoucleEvenements();

    int AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) override;
    void DemandeFin() override;
    bool FinPrise() const { return finPrise_; }

    // Runs a handler of the tool; whatever escapes it goes to GereEchec.
    void ExecuteGarde(const std::function<void()>& gestionnaire) noexcept;

    // Runs a modal wait (box, dialog): the active window and the focus are
    // given back afterwards, whatever happens inside.
    void ExecuteModal(const std::function<void()>& attente);

    // The answer of the open dialog: RepondeurDialogue when set, the
    // real dialog otherwise.
    std::optional<QString> ChoisitFichier(const QString& nomInitial);

    // The answerers a test installs (see the head of this file); empty in
    // the real tool.
    RepondeurMessage RepondeurBoites;
    RepondeurFichier RepondeurDialogue;

protected:
    bool notify(QObject* destinataire, QEvent* evenement) override;
    bool event(QEvent* evenement) override;

private:
    void RelacheSouris() noexcept override;
    void MontreBoiteErreur(const std::string& texteUtf8) override;
    void SignaleSansBoite(std::string_view texteUtf8) noexcept override;
    void MontreAttente(bool occupee) noexcept override;
    void PrendEvenementsEnAttente() override;
    void RappelleReglages() noexcept override;
    void PrendFin();
    int AfficheBoite(const QString& texte, const QString& titre, std::uint32_t drapeaux);

    Texte titre_;
    // The title as the boxes show it, converted once.
    QString titreAffiche_;
    QPointer<QEventLoop> boucle_;
    bool finPrise_ = false;
    // Set while the busy window takes its pending events.
    bool evenementsTries_ = false;
    std::unique_ptr<SurveillanceReglages> surveillance_;
};

// The application object of the run (null before it is built).
extern TApplication* Application;
