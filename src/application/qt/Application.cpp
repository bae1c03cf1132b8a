// The application object: title, event loop, message boxes, the request to
// end, failure display and the reload of the regional date settings.
#include "application/qt/Application.h"

#include "application/qt/Apparence.h"
#include "application/qt/BoiteMessage.h"
#include "application/qt/DialogueOuverture.h"
#include "application/qt/SurveillanceReglages.h"
#include "application/qt/TexteQt.h"
#include "application/qt/TitreApplication.h"
#include "commun/Messages.h"
#include "platform/locale/ServicesLocale.h"
#include "platform/locale/linux/LocaleUtilisateur.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QWidget>

#include <cstdio>
#include <new>

TApplication* Application = nullptr;

namespace {

// The request to end, as it waits in the event queue.
const QEvent::Type EvenementFin = static_cast<QEvent::Type>(QEvent::registerEventType());

// Qt keeps state of its own between runs in a settings file (the open
// dialog's last folder, history and view). The tool keeps nothing between
// runs and writes nothing to disk: that file is placed inside a folder that
// can never be created, so Qt neither reads nor writes it.
void NeGardeRienEntreLesLancements() {
    const QString nullePart = QStringLiteral("/dev/null");
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const auto portee : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, portee, nullePart);
}

void ChargeTraductionsQt(QApplication& application) {
    auto* traduction = new QTranslator(&application);
    if (traduction->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduction);
}

GenreEvenement Genre(const QEvent& evenement) {
    switch (evenement.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::ToolTip:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease: return GenreEvenement::Souris;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod: return GenreEvenement::Clavier;
    case QEvent::Close: return GenreEvenement::Fermeture;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return GenreEvenement::Depot;
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::Expose: return GenreEvenement::Peinture;
    case QEvent::Move:
    case QEvent::Resize: return GenreEvenement::Cadre;
    case QEvent::CursorChange: return GenreEvenement::Curseur;
    default: return GenreEvenement::Interne;
    }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    Application = this;
    setQuitOnLastWindowClosed(false);
    NeGardeRienEntreLesLancements();
    ChargeTraductionsQt(*this);
    titre_ = TitreDepuisChemin(DepuisQString(applicationFilePath()));
    titreAffiche_ = SystemeVersQString(titre_);
    Apparence::Installe(*this);
    surveillance_ = std::make_unique<SurveillanceReglages>(QString::fromStdString(FichierLocaleUtilisateur().string()),
                                                           [this] { ExecuteGarde([this] { ReglagesAnnonces(); }); });
}

TApplication::~TApplication() {
    if (Application == this) Application = nullptr;
}

int TApplication::BoucleEvenements() {
    QEventLoop boucle;
    boucle_ = &boucle;
    if (!finPrise_) boucle.exec();
    return 0;
}

int TApplication::AfficheMessage(const TexteMixte& texte, const TexteMixte& titre, std::uint32_t drapeaux) {
    return AfficheBoite(VersQString(texte), VersQString(titre), drapeaux);
}

int TApplication::AfficheBoite(const QString& texte, const QString& titre, std::uint32_t drapeaux) {
    int bouton = Boite::BoutonOk;
    ExecuteModal([&] {
        bouton = RepondeurBoites ? RepondeurBoites(texte, titre, drapeaux) : MontreBoiteMessage(texte, titre, drapeaux);
    });
    return bouton;
}

void TApplication::DemandeFin() { postEvent(this, new QEvent(EvenementFin)); }

void TApplication::PrendFin() {
    finPrise_ = true;
    // Only the main loop ends: a box still open inside a handler keeps its own
    // loop until the user closes it, and the main loop stops after that.
    if (boucle_) boucle_->exit(0);
}

void TApplication::RelacheSouris() noexcept {
    if (QWidget* tenant = QWidget::mouseGrabber()) tenant->releaseMouse();
}

void TApplication::MontreBoiteErreur(const std::string& texteUtf8) {
    AfficheBoite(QString::fromStdString(texteUtf8), titreAffiche_, Boite::IconeStop);
}

void TApplication::SignaleSansBoite(std::string_view texteUtf8) noexcept {
    std::fputs("Controle : ", stderr);
    std::fwrite(texteUtf8.data(), 1, texteUtf8.size(), stderr);
    std::fputc('\n', stderr);
}

void TApplication::ExecuteGarde(const std::function<void()>& gestionnaire) noexcept {
    try {
        gestionnaire();
    } catch (...) {
        GereEchec(std::current_exception());
    }
}

void TApplication::ExecuteModal(const std::function<void()>& attente) {
    // Put back, whatever happens inside, the window that was active and the
    // control that had the focus.
    struct Retour {
        QPointer<QWidget> actif = QApplication::activeWindow();
        QPointer<QWidget> focus = QApplication::focusWidget();
        ~Retour() {
            if (actif) actif->activateWindow();
            if (focus) focus->setFocus(Qt::OtherFocusReason);
        }
    } retour;
    attente();
}

std::optional<QString> TApplication::ChoisitFichier(const QString& nomInitial) {
    std::optional<QString> choix;
    ExecuteModal(
        [&] { choix = RepondeurDialogue ? RepondeurDialogue(nomInitial) : MontreDialogueOuverture(nomInitial); });
    if (choix) *choix = QFileInfo(*choix).absoluteFilePath();
    return choix;
}

void TApplication::MontreAttente(bool occupee) noexcept {
    if (occupee) setOverrideCursor(Qt::WaitCursor);
    else restoreOverrideCursor();
}

void TApplication::PrendEvenementsEnAttente() {
    evenementsTries_ = true;
    struct Fin {
        bool& tries;
        ~Fin() { tries = false; }
    } fin{evenementsTries_};
    processEvents();
}

void TApplication::RappelleReglages() noexcept {
    QMetaObject::invokeMethod(
        this, [this] { ExecuteGarde([this] { ReglagesAnnonces(); }); }, Qt::QueuedConnection);
}

bool TApplication::notify(QObject* destinataire, QEvent* evenement) {
    // Thrown away: refused, so that a close or a drop does not happen.
    if (evenementsTries_ && Trie(Genre(*evenement)) == SortEvenement::Ecarte) {
        evenement->ignore();
        return true;
    }
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (...) {
        GereEchec(std::current_exception());
        return true;
    }
}

bool TApplication::event(QEvent* evenement) {
    if (evenement->type() != EvenementFin) return QApplication::event(evenement);
    PrendFin();
    return true;
}
