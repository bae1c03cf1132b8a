// The window's texts of the tool's own under the regional settings of the
// run (LANG: fr_FR, ja_JP or ru_RU, whose system code pages are 1252, 932
// and 1251): the kind of acts, a box and a failure that quotes the export
// read exactly as under French settings, while the export's bytes are read
// in the system's code page. (The layout's texts are Qt's own strings.)
#include "application/ApplicationDeTest.h"
#include "application/BoitesRepondues.h"
#include "application/qt/Accueil.h"
#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "dates/ChargeReglagesDate.h"
#include "depart/OutilsExport.h"

#include <QTest>

#include <utility>

namespace {

// A name in the export's code page, and as the window shows it.
std::pair<std::string, QString> NomDeLExport() {
    const QString locale = qEnvironmentVariable("LANG");
    if (locale.startsWith(QStringLiteral("ja_JP"))) return {"\x93\xFA\x96\x7B", QStringLiteral("日本")};
    if (locale.startsWith(QStringLiteral("ru_RU"))) return {"\xC8\xE2\xE0\xED\xEE\xE2", QStringLiteral("Иванов")};
    return {"Le F\xE8vre", QStringLiteral("Le Fèvre")};
}

}  // namespace

class TestTextesOutil : public QObject {
    Q_OBJECT

    const std::pair<std::string, QString> nom_ = NomDeLExport();

private slots:
    void initTestCase() { ChargeReglagesDate(); }

    void ouvreEtTraite() {
        DossierTemporaire dossier;
        const std::string chemin = dossier.Ecrit("export.txt", Export({LigneExport(nom_.first, "", "D", 38)}));
        TAccueil accueil;
        BoitesRepondues boites;
        Application->RepondeurDialogue = [&](const QString&) { return QString::fromStdString(chemin); };
        accueil.BoutonOuvre->click();
        accueil.BoutonTraite->click();
        Application->RepondeurDialogue = nullptr;
        QCOMPARE(accueil.ChampType->text(), QStringLiteral("Décès"));
        QCOMPARE(accueil.Entree->toPlainText(), nom_.second + QStringLiteral(" : \n"));
        QCOMPARE(boites.vues.size(), std::size_t{1});
        QCOMPARE(boites.vues[0].texte, QStringLiteral("Copiez les résultats !"));
        QCOMPARE(boites.vues[0].titre, QStringLiteral("Bravo !"));
    }

    void echecQuiCiteLExport() {
        BoitesRepondues boites;
        Application->ExecuteGarde(
            [&] { throw EConvertError(MessageRessource(Msg::DateIncorrecte, {TexteMixte::DeLExport(nom_.first)})); });
        QCOMPARE(boites.vues.size(), std::size_t{1});
        QCOMPARE(boites.vues[0].texte, QStringLiteral("'%1' n'est pas une date correcte.").arg(nom_.second));
    }
};

MAIN_TEST_FENETRE(TestTextesOutil)
#include "TestTextesOutil.moc"
