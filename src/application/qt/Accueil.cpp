// The main window: its build from the layout, its look, its pictures, the
// wiring of its buttons, what it gives the keyboard and screen readers, and
// the "Quitte" handler.
#include "application/qt/Accueil.h"

#include "application/Accessibilite.h"
#include "application/PanneauxBarreEtat.h"
#include "application/qt/Apparence.h"
#include "application/qt/Application.h"
#include "application/qt/TexteQt.h"
#include "application/qt/controles/DecodeJpeg.h"
#include "commun/Messages.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QIcon>
#include <QMimeData>

namespace {

// Where the layout puts the window on screen.
constexpr QPoint PositionEcran(194, 110);

QByteArray LitRessource(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

QIcon IconeApplication() {
    QIcon icone;
    for (const int taille : {16, 24, 32, 48, 64, 72, 96, 128})
        icone.addFile(QStringLiteral(":/images/icone-%1.png").arg(taille), QSize(taille, taille));
    return icone;
}

}  // namespace

TAccueil::TAccueil(QWidget* parent) : QWidget(parent) {
    setupUi(this);
    OpenDialog = new TOpenDialog(this);
    move(PositionEcran);
    DonneApparence();
    DonneImages();
    BarreEtat->FixePanneaux(
        {{PanneauxBarreEtat::LargeurVide, {}, {}},
         {PanneauxBarreEtat::LargeurCredit, QString::fromUtf8(PanneauxBarreEtat::TexteCredit), {}}});
    RelieBoutons();
    RendAccessible();
    PrendLesDepots();
}

void TAccueil::DonneApparence() {
    using namespace Apparence;
    const CouleursFenetre couleurs = Couleurs();
    setFont(PoliceFenetre());
    for (TSpeedButton* bouton : {BoutonOuvre, BoutonTraite, BoutonQuite})
        DonnePolice(*bouton, PoliceF1(), couleurs.TexteSurFenetre);
    for (QLabel* label : {LabelType, LabelNombre}) {
        DonnePolice(*label, PoliceF2(), couleurs.TexteSurFenetre);
        label->adjustSize();
    }
    DonnePolice(*Memo, PoliceF4(), couleurs.Memo);
    DonnePolice(*BarreEtat, PoliceF3(), couleurs.TexteSurFenetre);
    for (TEdit* champ : {ChampType, ChampNombre}) DonnePolice(*champ, PoliceF1(), couleurs.Champs);
    DonnePolice(*Entree, font(), couleurs.Rapport);
}

void TAccueil::RendAccessible() {
    const auto nom = [](const QString& texte) {
        return QString::fromStdString(Accessibilite::NomDuTexte(texte.toStdString()));
    };
    for (TSpeedButton* bouton : {BoutonOuvre, BoutonTraite, BoutonQuite}) {
        bouton->setAccessibleName(nom(bouton->text()));
        bouton->setText(QString::fromStdString(
            Accessibilite::CaptionAvecLettre(bouton->objectName().toStdString(), bouton->text().toStdString())));
    }
    for (const Accessibilite::Etiquette& etiquette : Accessibilite::Etiquettes) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(etiquette.Label));
        auto* champ = findChild<QWidget*>(QString::fromLatin1(etiquette.Champ));
        label->setBuddy(champ);
        champ->setAccessibleName(nom(label->text()));
    }
    Entree->setAccessibleName(VersQString(ChaineRessource(Msg::NomRapport)));
}

void TAccueil::DonneImages() {
    setWindowIcon(IconeApplication());
    Logo->FixeImage(DecodeJpeg(LitRessource(QStringLiteral(":/images/logo.jpg"))));
    Logo->FixeReglages({.Stretch = false, .Proportional = true, .Center = false});
    BoutonOuvre->FixeGlyph(QImage(QStringLiteral(":/images/ouvre.bmp")));
    BoutonTraite->FixeGlyph(QImage(QStringLiteral(":/images/traite.bmp")));
    BoutonQuite->FixeGlyph(QImage(QStringLiteral(":/images/quitte.bmp")));
}

void TAccueil::RelieBoutons() {
    const auto relie = [this](TSpeedButton* bouton, void (TAccueil::*gestionnaire)(QObject*)) {
        connect(bouton, &QAbstractButton::clicked, this,
                [this, bouton, gestionnaire] { Application->ExecuteGarde([&] { (this->*gestionnaire)(bouton); }); });
    };
    relie(BoutonOuvre, &TAccueil::BoutonOuvreClick);
    relie(BoutonTraite, &TAccueil::BoutonTraiteClick);
    relie(BoutonQuite, &TAccueil::BoutonQuiteClick);
}

void TAccueil::BoutonQuiteClick(QObject*) {
    if (!Application->Occupee()) Application->DemandeFin();
}

void TAccueil::closeEvent(QCloseEvent* evenement) {
    // The window stays until the loop has taken the request to end.
    evenement->ignore();
    Application->DemandeFin();
}

void TAccueil::resizeEvent(QResizeEvent* evenement) {
    // The status bar lies along the bottom over the whole width.
    BarreEtat->setGeometry(0, height() - BarreEtat->height(), width(), BarreEtat->height());
    QWidget::resizeEvent(evenement);
}

void TAccueil::PrendLesDepots() {
    // A control that took a drop would insert the file's name as text.
    for (QWidget* controle : findChildren<QWidget*>()) controle->setAcceptDrops(false);
    setAcceptDrops(true);
}

namespace {

// The local files a drop carries, as their paths' own bytes; none when it
// carries anything else.
std::vector<NomFichier> FichiersDeposes(const QMimeData& donnees) {
    std::vector<NomFichier> noms;
    for (const QUrl& adresse : donnees.urls()) {
        if (!adresse.isLocalFile()) return {};
        noms.emplace_back(QFile::encodeName(adresse.toLocalFile()).toStdString());
    }
    return noms;
}

}  // namespace

void TAccueil::dragEnterEvent(QDragEnterEvent* evenement) {
    if (!FichiersDeposes(*evenement->mimeData()).empty()) evenement->acceptProposedAction();
}

void TAccueil::dropEvent(QDropEvent* evenement) {
    const std::vector<NomFichier> noms = FichiersDeposes(*evenement->mimeData());
    if (noms.empty()) return;
    evenement->acceptProposedAction();
    OuvreFichiersDonnes(noms);
}
