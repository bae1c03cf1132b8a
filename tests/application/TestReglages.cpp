// The reload of the regional date settings: when the user's regional-format
// file changes while the tool runs, the next recognition follows the new
// convention; with MajReglagesAuChangement off nothing is reloaded.
#include "application/qt/Application.h"
#include "application/qt/SurveillanceReglages.h"
#include "dates/ChargeReglagesDate.h"
#include "dates/ReconnaitDate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace {

QString DossierConfiguration;

void EcritFormatRegional(const char* locale) {
    // Written by replacing the file, as editors do.
    QSaveFile fichier(DossierConfiguration + QStringLiteral("/locale.conf"));
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(QByteArray("LANG=") + locale + "\n");
    QVERIFY(fichier.commit());
}

bool EstUneDate(const char* texte) {
    TDateSerie date = 0;
    return TenteReconnaitDate(texte, date);
}

}  // namespace

class TestReglages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(ReglagesDate.SeparateurDate, '/');
        QVERIFY(EstUneDate("12/05/1850"));
        QVERIFY(!EstUneDate("12.05.1850"));
    }

    void rechargementAuChangement() {
        Application->MajReglagesAuChangement = true;
        EcritFormatRegional("de_DE.UTF-8");
        QTRY_COMPARE(ReglagesDate.SeparateurDate, '.');
        QVERIFY(EstUneDate("12.05.1850"));
        QVERIFY(!EstUneDate("12/05/1850"));
        EcritFormatRegional("fr_FR.UTF-8");
        QTRY_COMPARE(ReglagesDate.SeparateurDate, '/');
        QVERIFY(EstUneDate("12/05/1850"));
    }

    void sansRechargement() {
        Application->MajReglagesAuChangement = false;
        EcritFormatRegional("de_DE.UTF-8");
        QTest::qWait(300);
        QCOMPARE(ReglagesDate.SeparateurDate, '/');
        QVERIFY(!EstUneDate("12.05.1850"));
        Application->MajReglagesAuChangement = true;
    }

    // A file whose folders do not exist yet is seen when they and it are made.
    void dossierCreePlusTard() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("nouveau/config/locale.conf"));
        int annonces = 0;
        SurveillanceReglages surveillance(fichier, [&] { ++annonces; });
        QVERIFY(QDir().mkpath(QFileInfo(fichier).absolutePath()));
        QTest::qWait(100);
        QFile ecrit(fichier);
        QVERIFY(ecrit.open(QIODevice::WriteOnly));
        ecrit.write("LANG=de_DE.UTF-8\n");
        ecrit.close();
        QTRY_VERIFY(annonces >= 1);
        const int avant = annonces;
        QVERIFY(QFile::remove(fichier));
        QTRY_VERIFY(annonces > avant);
    }
};

int main(int argc, char** argv) {
    QTemporaryDir dossier;
    DossierConfiguration = dossier.path();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(DossierConfiguration));
    qputenv("LANG", "fr_FR.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LC_TIME");
    EcritFormatRegional("fr_FR.UTF-8");
    ChargeReglagesDate();
    TApplication application(argc, argv);
    TestReglages tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "TestReglages.moc"
