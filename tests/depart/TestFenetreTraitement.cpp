// "Ouvre" and "Traite" through the real window under the offscreen platform,
// on real files in a temporary folder; message boxes and the open dialog are
// answered by the test. The request to end that a case makes is seen and
// kept from the application, so that every case runs as the first would.
#include "application/ApplicationDeTest.h"
#include "application/BoitesRepondues.h"
#include "application/InfobulleSousLePointeur.h"
#include "application/qt/Accueil.h"
#include "application/qt/TexteQt.h"
#include "depart/Depart.h"
#include "depart/OutilsExport.h"
#include "support/ReglagesFrancais.h"
#include "support/ServicesFichiersSimules.h"

#include <QCloseEvent>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

const QString Bravo = QStringLiteral("Bravo !");
const BoiteVue Termine{QStringLiteral("Contrôle terminé !"), Bravo, 0x40};
const BoiteVue Copiez{QStringLiteral("Copiez les résultats !"), Bravo, 0x40};
const BoiteVue PasUnExport{QStringLiteral("Ce n'est pas un fichier export de Tabrenn 3!"),
                           QStringLiteral("Attention !"), 0x10};

const BoiteVue UnSeulFichier{QStringLiteral("Un seul fichier à la fois : donnez ou déposez un seul fichier export "
                                            "de Tabrenn 3."),
                             QStringLiteral("Attention !"), 0x10};

BoiteVue Echec(const QString& message) { return {message, SystemeVersQString(Application->TitreApplication()), 0x10}; }

std::vector<std::string> VingtCinqLignes(const std::string& code, int nbChamps) {
    std::vector<std::string> lignes;
    for (int numero = 1; numero <= 25; ++numero) {
        const std::string date = numero == 4 ? "31/02/1850" : numero == 17 ? "1850" : "12/03/1850";
        lignes.push_back(LigneExport("ref" + std::to_string(numero), date, code, nbChamps));
    }
    return lignes;
}

}  // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<BoiteVue>)

class TestFenetreTraitement : public QObject {
    Q_OBJECT

    std::unique_ptr<ReglagesFrancais> reglages_;
    std::unique_ptr<DossierTemporaire> dossier_;
    std::unique_ptr<TAccueil> accueil_;
    std::unique_ptr<BoitesRepondues> boites_;

    // Confirms the path in the open dialog and presses "Ouvre".
    void Ouvre(const QString& chemin) {
        Application->RepondeurDialogue = [chemin](const QString&) { return std::optional<QString>(chemin); };
        accueil_->BoutonOuvre->click();
    }
    void OuvreFichier(const std::string& octets) {
        Ouvre(QString::fromStdString(dossier_->Ecrit("export.txt", octets)));
    }
    void Traite() { accueil_->BoutonTraite->click(); }
    QString Rapport() const { return accueil_->Entree->toPlainText(); }
    void VerifieBoites(const std::vector<BoiteVue>& attendues) {
        QCOMPARE(boites_->vues.size(), attendues.size());
        for (std::size_t i = 0; i < attendues.size(); ++i) {
            QCOMPARE(boites_->vues[i].texte, attendues[i].texte);
            QCOMPARE(boites_->vues[i].titre, attendues[i].titre);
            QCOMPARE(boites_->vues[i].drapeaux, attendues[i].drapeaux);
        }
    }
    // Whether the case asked the application to end; the request is not
    // taken, so that the next case starts as the first.
    bool FinDemandee() {
        QCoreApplication::sendPostedEvents(Application);
        return finsDemandees_ > 0;
    }

    // The request to end is an event of its own type posted to the
    // application: learnt once, then held back.
    bool eventFilter(QObject* destinataire, QEvent* evenement) override {
        if (destinataire != Application || evenement->type() < QEvent::User) return false;
        if (typeFin_ == QEvent::None) typeFin_ = evenement->type();
        if (evenement->type() != typeFin_) return false;
        ++finsDemandees_;
        return true;
    }

    QEvent::Type typeFin_ = QEvent::None;
    int finsDemandees_ = 0;

private slots:
    void initTestCase() {
        Application->installEventFilter(this);
        Application->DemandeFin();
        QVERIFY(FinDemandee());
        QVERIFY(!Application->FinPrise());
    }

    void init() {
        finsDemandees_ = 0;
        ReinitialiseDepart();
        reglages_ = std::make_unique<ReglagesFrancais>(2026);
        dossier_ = std::make_unique<DossierTemporaire>();
        accueil_ = std::make_unique<TAccueil>();
        accueil_->show();
        boites_ = std::make_unique<BoitesRepondues>();
    }

    void cleanup() {
        Application->RepondeurDialogue = nullptr;
        boites_.reset();
        accueil_.reset();
        dossier_.reset();
        reglages_.reset();
        ReinitialiseDepart();
    }

    void OuvrePuisTraite_data() {
        QTest::addColumn<std::string>("octets");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("rapport");

        const QString vingtCinq = "ref4 : 31/02/1850\nref17 : 1850\n";
        QTest::newRow("25 lignes, refus aux lignes 4 et 17") << Export(VingtCinqLignes("N", 30)) << "Naissances"
                                                             << "25" << vingtCinq;
        QTest::newRow("le même en Divers") << Export(VingtCinqLignes("X", 64)) << "Divers"
                                           << "25" << vingtCinq;
        QTest::newRow("toutes valides") << Export({LigneExport("a", "01/01/1850"), LigneExport("b", "29/02/1852")})
                                        << "Naissances"
                                        << "2"
                                        << "";
        QTest::newRow("champ 7 vide") << Export({LigneExport("sans date", "")}) << "Naissances"
                                      << "1"
                                      << "sans date : \n";
        QTest::newRow("moins de sept ;") << Export({"TABRENNV3;1;court;c;22;N;12/03/1850"}) << "Naissances"
                                         << "1"
                                         << "court : \n";
        QTest::newRow("type de la dernière ligne")
            << Export({LigneExport("a", "1850", "N"), LigneExport("b", "1851", "M", 60)}) << "Mariages"
            << "2"
            << "a : 1850\nb : 1851\n";
        QTest::newRow("n minuscule") << Export({LigneExport("a", "01/01/1850", "n")}) << "Divers"
                                     << "1"
                                     << "";
        QTest::newRow("cinq ; avant N") << Export({"TABRENNV3;1;r;c;22;N"}) << "Divers"
                                        << "1"
                                        << "r : \n";
        QTest::newRow("fins de ligne CR seules")
            << Export({LigneExport("a", "01/01/1850", "M"), LigneExport("b", "1850")}, "\r") << "Mariages"
            << "1"
            << "";
        QTest::newRow("Ctrl-Z après la dernière ligne") << Export({LigneExport("a", "1850")}) +
                                                               "\x1A"
                                                               "suite"
                                                        << "Naissances"
                                                        << "1"
                                                        << "a : 1850\n";
        QTest::newRow("octets Windows-1252")
            << Export({LigneExport("\xE9\xE8\xE7 \x9C \x80 \x81\x8D\x8F\x90\x9D", "")}) << "Naissances"
            << "1" << QString::fromUtf8("éèç œ € \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD : \n");
    }

    void OuvrePuisTraite() {
        QFETCH(std::string, octets);
        QFETCH(QString, type);
        QFETCH(QString, nombre);
        QFETCH(QString, rapport);
        OuvreFichier(octets);
        QCOMPARE(accueil_->ChampType->text(), type);
        QCOMPARE(accueil_->ChampNombre->text(), nombre);
        QVERIFY(!accueil_->Entree->isVisible());
        QCOMPARE(accueil_->Progression->Max(), nombre.toInt());
        Traite();
        QCOMPARE(Rapport(), rapport);
        const bool refus = !rapport.isEmpty();
        QCOMPARE(accueil_->Entree->isVisible(), refus);
        QCOMPARE(accueil_->Entree->size(), refus ? QSize(441, 161) : QSize(33, 25));
        QCOMPARE(accueil_->Entree->pos(), QPoint(0, 0));
        QVERIFY(!accueil_->Progression->isVisible());
        QCOMPARE(accueil_->Progression->Position(), 1);
        VerifieBoites({refus ? Copiez : Termine});
        QVERIFY(!FinDemandee());
    }

    // While "Traite" works, what the user does is thrown away, then and
    // afterwards: clicks on "Quitte" and "Ouvre", closing the window, a drop.
    void RienNAgitPendantLeControle() {
        OuvreFichier(Export(VingtCinqLignes("N", 30)));
        int dialogues = 0;
        Application->RepondeurDialogue = [&](const QString&) { return ++dialogues, std::optional<QString>(); };
        QMimeData depot;
        depot.setUrls({QUrl::fromLocalFile(QString::fromStdString(dossier_->Ecrit("autre.txt", "TABRENNV3")))});
        for (QWidget* bouton : std::initializer_list<QWidget*>{accueil_->BoutonQuite, accueil_->BoutonOuvre})
            for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    bouton, new QMouseEvent(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(accueil_.get(), new QCloseEvent);
        QCoreApplication::postEvent(accueil_.get(),
                                    new QDropEvent(QPointF(5, 5), Qt::CopyAction, &depot, Qt::LeftButton, {}));
        Traite();
        QCoreApplication::processEvents();
        QVERIFY(!FinDemandee());
        QCOMPARE(dialogues, 0);
        QCOMPARE(accueil_->ChampNombre->text(), QStringLiteral("25"));
        QCOMPARE(Rapport(), QStringLiteral("ref4 : 31/02/1850\nref17 : 1850\n"));
        VerifieBoites({Copiez});
    }

    // Names are the file system's own bytes, never squeezed through the 8-bit
    // code page: accents and characters it cannot write both open.
    void CheminAvecAccents_data() {
        QTest::addColumn<QString>("nomDossier");
        QTest::newRow("accents") << QString("G\u00E9n\u00E9alogie \u00E9t\u00E9");
        QTest::newRow("hors de la page de code") << QString("\u0421\u0435\u043C\u044C\u044F \u5BB6\u65CF");
    }

    void CheminAvecAccents() {
        QFETCH(QString, nomDossier);
        const auto dossier = dossier_->Chemin() / nomDossier.toStdString();
        std::filesystem::create_directory(dossier);
        std::ofstream(dossier / "export.txt", std::ios::binary) << Export({LigneExport("a", "1850")});
        Ouvre(QString::fromStdString((dossier / "export.txt").string()));
        Traite();
        QCOMPARE(Rapport(), QString("a : 1850\n"));
    }

    // The hint of another convention goes with the report.
    void AnnulerApresUnControleVideLeRapportSeulement() {
        OuvreFichier(Export(std::vector<std::string>(20, LigneExport("a", "1850-05-12"))));
        Traite();
        QCOMPARE(accueil_->BarreEtat->Panneaux()[0].Texte, QString("a-m-j ? 100 % des refus"));
        Application->RepondeurDialogue = [](const QString&) { return std::optional<QString>(); };
        accueil_->BoutonOuvre->click();
        QCOMPARE(Rapport(), QString());
        QCOMPARE(accueil_->BarreEtat->Panneaux()[0].Texte, QString());
        QVERIFY(accueil_->Entree->isVisible());
        QCOMPARE(accueil_->Entree->size(), QSize(441, 161));
        QCOMPARE(accueil_->ChampType->text(), QString("Naissances"));
    }

    void TraiteAvantOuvreMontreErreur103() {
        Traite();
        VerifieBoites({Echec(QStringLiteral("Erreur E/S 103."))});
        QVERIFY(accueil_->Progression->isVisible());
    }

    void TraiteDeuxFoisMontreErreur104() {
        OuvreFichier(Export({LigneExport("a", "1850")}));
        Traite();
        Traite();
        VerifieBoites({Copiez, Echec(QStringLiteral("Erreur E/S 104."))});
        QVERIFY(accueil_->Progression->isVisible());
        QCOMPARE(Rapport(), QString("a : 1850\n"));
    }

    void FichierAbsentMontreFichierIntrouvable() {
        accueil_->ChampType->setText("avant");
        Ouvre(QString::fromStdString((dossier_->Chemin() / "absent.txt").string()));
        VerifieBoites({Echec(QStringLiteral("Fichier introuvable."))});
        QCOMPARE(accueil_->ChampType->text(), QString("avant"));
    }

    // A first "Ouvre" that fails while counting leaves no kind of acts: the
    // check then reads the counted lines without a field table to fill.
    void TraiteApresUnComptageInterrompu() {
        ServicesFichiersSimules fichiers;
        std::string contenu = Export({LigneExport(std::string(200, 'a'), "1850"), LigneExport("b", "1850")});
        fichiers.AjouteFichier("/simule/export.txt", contenu);
        fichiers.FaitEchouerLecture(3, 5);
        InstalleServicesFichiers(&fichiers);
        Ouvre("/simule/export.txt");
        Traite();
        InstalleServicesFichiers(nullptr);
        VerifieBoites({Echec(QStringLiteral("Accès au fichier refusé.")), Copiez});
        QCOMPARE(NbChamps, 0);
        QCOMPARE(NbLignes, 1);
        QCOMPARE(Rapport(), QString(" : \n"));
    }

    void UnRapportPleinArreteSurLaLigneQuiNeTientPas() {
        accueil_->Entree->FixeCapacite(25);
        OuvreFichier(Export(VingtCinqLignes("N", 30)));
        Traite();
        VerifieBoites({Echec(QStringLiteral("Erreur d'insertion de ligne RichEdit."))});
        QCOMPARE(Rapport(), QString("ref4 : 31/02/1850\n"));
        QCOMPARE(NbErreurs, 2);
        QCOMPARE(accueil_->Progression->Position(), 16);
        QVERIFY(accueil_->Progression->isVisible());
        QVERIFY(!accueil_->Entree->isVisible());
    }

    void MarqueAbsenteDemandeLaFin_data() {
        QTest::addColumn<std::string>("octets");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("marque sur la première ligne seulement")
            << Export({LigneExport("a", "01/01/1850", "M"), "1;2;3;4;5;N;x"}) << "Naissances"
            << "2";
        QTest::newRow("ligne vide à la fin") << Export({LigneExport("a", "01/01/1850"), ""}) << "Divers"
                                             << "2";
    }

    void MarqueAbsenteDemandeLaFin() {
        QFETCH(std::string, octets);
        QFETCH(QString, type);
        QFETCH(QString, nombre);
        OuvreFichier(octets);
        VerifieBoites({PasUnExport});
        QCOMPARE(accueil_->ChampType->text(), type);
        QCOMPARE(accueil_->ChampNombre->text(), nombre);
        QVERIFY(FinDemandee());
    }

    // Files given at start and dropped on the window: one is opened as the
    // dialog would open it, a missing one fails as there, two are refused.
    void FichiersDonnes_data() {
        QTest::addColumn<int>("fichiers");  // 0: one, missing
        QTest::addColumn<bool>("depot");
        for (const bool depot : {false, true})
            for (const int fichiers : {0, 1, 2})
                QTest::addRow("%d %s", fichiers, depot ? "déposés" : "au démarrage") << fichiers << depot;
    }

    void FichiersDonnes() {
        QFETCH(int, fichiers);
        QFETCH(bool, depot);
        const std::string chemin = dossier_->Ecrit("export.txt", Export(VingtCinqLignes("N", 30)));
        const std::vector<NomFichier> noms(fichiers == 2 ? 2 : 1,
                                           NomFichier(fichiers == 0 ? chemin + ".absent" : chemin));
        QMimeData donnees;
        for (const NomFichier& nom : noms)
            donnees.setUrls(donnees.urls() << QUrl::fromLocalFile(QString::fromStdString(nom.Octets())));
        QDragEnterEvent entree({200, 80}, Qt::CopyAction, &donnees, Qt::LeftButton, {});
        QDropEvent lache(QPointF(200, 80), Qt::CopyAction, &donnees, Qt::LeftButton, {});
        QVERIFY(accueil_->acceptDrops() && !accueil_->Entree->viewport()->acceptDrops());
        if (depot) {
            QApplication::sendEvent(accueil_.get(), &entree);
            QApplication::sendEvent(accueil_.get(), &lache);
        } else {
            accueil_->OuvreAuDemarrage(noms);
            QCoreApplication::processEvents();
        }
        QCOMPARE(accueil_->ChampNombre->text(), QString(fichiers == 1 ? "25" : ""));
        if (fichiers == 1) Traite();
        VerifieBoites({fichiers == 0 ? Echec("Fichier introuvable.") : fichiers == 1 ? Copiez : UnSeulFichier});
        QCOMPARE(Rapport(), QString(fichiers == 1 ? "ref4 : 31/02/1850\nref17 : 1850\n" : ""));
    }

    // The reason follows each line as it stands in the box (edited,
    // removed), and never comes from another line: two records that wrote
    // the same text, their dates beginning at different places, give none.
    void RaisonDesLignesCommeEllesSontDansLaBoite() {
        OuvreFichier(
            Export({LigneExport("a", "1850"), LigneExport("b : c", "31/02/1850"), LigneExport("f", "12/13/1850"),
                    LigneExport("d : e", "1850"), LigneExport("d", "e : 1850")}));
        Traite();
        TRichEdit& entree = *accueil_->Entree;
        const auto raisons = [&entree] {
            QStringList liste;
            for (int ligne = 0; ligne < entree.document()->blockCount(); ++ligne)
                liste << InfobulleSousLePointeur(entree, ligne);
            return liste;
        };
        const QString mois13 = "le mois 13 n'existe pas : il n'y en a que 12";
        QCOMPARE(raisons(),
                 QStringList({"un seul nombre (une année seule ?) : il en faut au moins deux, séparés par « / »",
                              "le 31 février 1850 n'existe pas : ce mois n'a que 28 jours", mois13, "", "", ""}));
        QTextCursor curseur(entree.document());
        curseur.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        curseur.insertText("a : 29/02/1900");
        curseur.movePosition(QTextCursor::NextBlock);
        curseur.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        curseur.removeSelectedText();
        QCOMPARE(raisons(), QStringList({"le 29 février 1900 n'existe pas : 1900 n'est pas une année bissextile",
                                         mois13, "", "", ""}));
    }

    void FichierVideAuPremierOuvre() {
        accueil_->Entree->AjouteLigne(Texte("reste"));
        OuvreFichier("");
        VerifieBoites({PasUnExport, Echec(QStringLiteral("Propriété TProgressBar hors limites."))});
        QCOMPARE(accueil_->ChampType->text(), QString("Divers"));
        QCOMPARE(accueil_->ChampNombre->text(), QString("0"));
        QCOMPARE(Rapport(), QString("reste\n"));
        QVERIFY(FinDemandee());
    }
};

MAIN_TEST_FENETRE(TestFenetreTraitement)
#include "TestFenetreTraitement.moc"
