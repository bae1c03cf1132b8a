// The reload of the regional date settings: when the user's regional-format
// file changes while the tool runs, the next recognition follows the new
// convention; with MajReglagesAuChangement off nothing is reloaded.
#include "application/Application.h"
#include "dates/ReconnaitDate.h"
#include "dates/ReglagesDate.h"

#include <QFile>
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
