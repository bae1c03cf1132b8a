// The Qt application object: title rule, failure display through its box,
// the guard around handlers, modal boxes and the request to end.
#include "ApplicationDeTest.h"
#include "BoitesRepondues.h"

#include "application/qt/TitreApplication.h"
#include "commun/Messages.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void titre_data() {
        QTest::addColumn<QByteArray>("chemin");
        QTest::addColumn<QByteArray>("titre");
        QTest::newRow("dots cut at the first") << QByteArray("D:\\Outils\\VERIF.DATES.EXE") << QByteArray("Verif");
        QTest::newRow("root folder") << QByteArray("C:\\CONTROLE.EXE") << QByteArray("Controle");
        QTest::newRow("linux path") << QByteArray("/usr/bin/Controle") << QByteArray("Controle");
        QTest::newRow("first keeps its case") << QByteArray("/opt/controle") << QByteArray("controle");
        QTest::newRow("accented capitals lowered") << QByteArray("C:\\\xC9T\xC9.EXE") << QByteArray("\xC9t\xE9");
        QTest::newRow("dot first") << QByteArray("/x/.cache") << QByteArray("");
        QTest::newRow("long path cut at 255") << QByteArray(300, 'A') << QByteArray("A") + QByteArray(254, 'a');
    }
    void titre() {
        QFETCH(QByteArray, chemin);
        QFETCH(QByteArray, titre);
        QCOMPARE(QByteArray::fromStdString(TitreDepuisChemin(Texte(chemin.toStdString())).Octets()), titre);
    }

    void titreDuProgramme() { QCOMPARE(Application->TitreApplication(), Texte("test_application")); }

    // The handler stops at the failure, shown by the shared failure display
    // through the Qt object's box, with the title and the error icon; what it
    // changed stays, and the next action runs normally.
    void gestionnaireInterrompuPuisOutilContinue() {
        BoitesRepondues boites;
        int etapes = 0;
        Application->ExecuteGarde([&] {
            ++etapes;
            if (etapes > 0)
                throw EInvalidOperation(MessageRessource(Msg::ProprieteHorsLimites, {Texte("TProgressBar")}));
            ++etapes;
        });
        QCOMPARE(etapes, 1);
        QCOMPARE(boites.vues.at(0).texte, QStringLiteral("Propriété TProgressBar hors limites."));
        QCOMPARE(boites.vues[0].titre, QStringLiteral("test_application"));
        QCOMPARE(boites.vues[0].drapeaux, Boite::IconeStop);
        Application->ExecuteGarde([&] { ++etapes; });
        QCOMPARE(etapes, 2);
        QCOMPARE(boites.vues.size(), std::size_t{1});
    }

    // A failure escaping Qt's delivery of an event is caught there too.
    void echecDansUnEvenement() {
        BoitesRepondues boites;
        QTimer minuterie;
        minuterie.setSingleShot(true);
        connect(&minuterie, &QTimer::timeout, [] { throw Exception(Texte("Panne")); });
        minuterie.start(0);
        QTRY_COMPARE(boites.vues.size(), std::size_t{1});
        QCOMPARE(boites.vues[0].texte, QStringLiteral("Panne."));
    }

    void boiteRendLeFocus() {
        QWidget fenetre;
        auto* a = new QLineEdit(&fenetre);
        auto* b = new QLineEdit(&fenetre);
        b->move(0, 40);
        fenetre.show();
        fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        b->setFocus();
        BoitesRepondues boites;
        Application->RepondeurBoites = [&](const QString&, const QString&, std::uint32_t) {
            a->setFocus();
            return Boite::BoutonOk;
        };
        QCOMPARE(
            Application->AfficheMessage(Texte("Contr\xF4le termin\xE9 !"), Texte("Bravo !"), Boite::IconeInformation),
            Boite::BoutonOk);
        QCOMPARE(QApplication::focusWidget(), b);
    }

    // Without an answerer the real modal box shows, with its caption, text
    // and icon, and gives back what it answered.
    void vraieBoite() {
        QString titre, texte;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            titre = boite->windowTitle();
            texte = boite->text();
            icone = boite->icon();
            boite->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(
            Application->AfficheMessage(Texte("Copiez les r\xE9sultats !"), Texte("Bravo !"), Boite::IconeInformation),
            Boite::BoutonOk);
        QCOMPARE(titre, QStringLiteral("Bravo !"));
        QCOMPARE(texte, QStringLiteral("Copiez les r\u00E9sultats !"));
        QCOMPARE(icone, QMessageBox::Information);
    }

    // The real open dialog takes a typed name of a file that does not exist,
    // and leaves nothing of its own behind in the user's settings.
    void vraiDialogue() {
        const QString reglagesQt = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/QtProject.conf");
        QFile::remove(reglagesQt);
        QTemporaryDir dossier;
        const QString absent = dossier.filePath(QStringLiteral("absent.txt"));
        QTimer::singleShot(0, [&] {
            auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialogue);
            dialogue->selectFile(absent);
            QMetaObject::invokeMethod(dialogue, "accept");
        });
        QCOMPARE(Application->ChoisitFichier(QString()), std::optional<QString>(absent));
        QVERIFY(!QFileInfo::exists(reglagesQt));
    }

    // The request is taken by the loop only, after the handler that made it
    // has ended, even when that handler then shows a box.
    void demandeDeFin() {
        QVERIFY(!Application->FinPrise());
        // The box waits in its own loop, as a real one does, until "closed".
        int boites = 0;
        bool boiteFermee = false;
        Application->RepondeurBoites = [&](const QString&, const QString&, std::uint32_t) {
            QEventLoop attente;
            QTimer::singleShot(50, &attente, [&] {
                boiteFermee = true;
                attente.quit();
            });
            attente.exec();
            ++boites;
            return Boite::BoutonOk;
        };
        bool suiteExecutee = false;
        QTimer::singleShot(0, [&] {
            Application->ExecuteGarde([&] {
                Application->DemandeFin();
                QVERIFY(!Application->FinPrise());
                Application->AfficheMessage(Texte("Ce n'est pas un fichier export de Tabrenn 3!"), Texte("Attention !"),
                                            Boite::IconeStop);
                suiteExecutee = boiteFermee;
            });
        });
        QTimer garde;
        garde.setSingleShot(true);
        connect(&garde, &QTimer::timeout, Application, &QCoreApplication::quit);
        garde.start(5000);
        QCOMPARE(Application->BoucleEvenements(), 0);
        QVERIFY(garde.isActive());
        QVERIFY(suiteExecutee);
        QVERIFY(Application->FinPrise());
        QCOMPARE(boites, 1);
        Application->RepondeurBoites = nullptr;
    }
};

MAIN_TEST_FENETRE(TestApplication)
#include "TestApplication.moc"
