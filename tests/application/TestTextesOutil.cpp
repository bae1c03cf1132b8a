// The window's own texts under the regional settings of the run (LANG:
// fr_FR, ja_JP or ru_RU, whose system code pages are 1252, 932 and 1251):
// caption, labels, hints, status bar, the kind of acts, the boxes and a
// failure that quotes the export read exactly as under French settings,
// while the export's bytes in the report are read in the system's code page.
#include "application/ApplicationDeTest.h"
#include "application/BoitesRepondues.h"
#include "application/qt/Accueil.h"
#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "dates/ChargeReglagesDate.h"
#include "depart/OutilsExport.h"

#include <QTest>

namespace {

// A name and a character of the run's locale, in its code page and as Qt
// shows them.
struct OctetsDeLaLocale {
    std::string reference;
    QString referenceAffichee;
    std::string lettre;
    QString lettreAffichee;
};

OctetsDeLaLocale PourLaLocale(const QString& locale) {
    if (locale.startsWith(QStringLiteral("ja_JP")))
        return {"\x93\xFA\x96\x7B", QStringLiteral("日本"), "\x93\xFA", QStringLiteral("日")};
    if (locale.startsWith(QStringLiteral("ru_RU")))
        return {"\xC8\xE2\xE0\xED\xEE\xE2", QStringLiteral("Иванов"), "\xC4", QStringLiteral("Д")};
    return {"Le F\xE8vre", QStringLiteral("Le Fèvre"), "\xE9", QStringLiteral("é")};
}

}  // namespace

class TestTextesOutil : public QObject {
    Q_OBJECT

    OctetsDeLaLocale locale_ = PourLaLocale(qEnvironmentVariable("LANG"));

private slots:
    void initTestCase() { ChargeReglagesDate(); }

    void textesDeLaFenetre() {
        TAccueil accueil;
        QCOMPARE(accueil.windowTitle(), QStringLiteral("Contrôle des dates invalides V. 1.01"));
        QCOMPARE(accueil.toolTip(), QStringLiteral("Contrôle des dates dans Tabrenn 3"));
        QCOMPARE(accueil.Memo->toolTip(), QStringLiteral("A propos de ce programmme"));
        QCOMPARE(accueil.LabelType->text(), QStringLiteral("Actes de : "));
        QCOMPARE(accueil.BarreEtat->Panneaux()[1].Texte, QStringLiteral("Orvalis – généalogie"));
    }

    void ouvreEtTraite() {
        DossierTemporaire dossier;
        const std::string chemin = dossier.Ecrit("export.txt", Export({LigneExport(locale_.reference, "", "D", 38)}));
        TAccueil accueil;
        BoitesRepondues boites;
        Application->RepondeurDialogue = [&](const QString&) { return QString::fromStdString(chemin); };
        accueil.BoutonOuvre->click();
        accueil.BoutonTraite->click();
        Application->RepondeurDialogue = nullptr;
        QCOMPARE(accueil.ChampType->text(), QStringLiteral("Décès"));
        QCOMPARE(accueil.Entree->toPlainText(), locale_.referenceAffichee + QStringLiteral(" : \n"));
        QCOMPARE(boites.vues.size(), std::size_t{1});
        QCOMPARE(boites.vues[0].texte, QStringLiteral("Copiez les résultats !"));
        QCOMPARE(boites.vues[0].titre, QStringLiteral("Bravo !"));
    }

    void echecQuiCiteLExport() {
        BoitesRepondues boites;
        Application->ExecuteGarde([&] {
            throw EConvertError(MessageRessource(Msg::DateIncorrecte, {TexteMixte::DeLExport(locale_.lettre)}));
        });
        QCOMPARE(boites.vues.size(), std::size_t{1});
        QCOMPARE(boites.vues[0].texte, QStringLiteral("'%1' n'est pas une date correcte.").arg(locale_.lettreAffichee));
    }
};

MAIN_TEST_FENETRE(TestTextesOutil)
#include "TestTextesOutil.moc"
