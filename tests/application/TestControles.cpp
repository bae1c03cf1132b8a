// The controls' operations: progress bar, report box, open dialog, picture
// placement and decoding, button pictures.
#include "ApplicationDeTest.h"

#include "application/PlacementImage.h"
#include "application/qt/controles/DecodeJpeg.h"
#include "application/qt/controles/TOpenDialog.h"
#include "application/qt/controles/TProgressBar.h"
#include "application/qt/controles/TRichEdit.h"
#include "application/qt/controles/TSpeedButton.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(RectanglePlace)

class TestControles : public QObject {
    Q_OBJECT

private slots:
    void bornesDeLaBarre() {
        TProgressBar barre;
        QCOMPARE(barre.Min(), 1);
        QCOMPARE(barre.Max(), 100);
        QCOMPARE(barre.Position(), 1);
        QCOMPARE(barre.Step(), 1);
        try {
            barre.FixeMax(0);
            QFAIL("a maximum below the minimum is refused");
        } catch (const EInvalidOperation& e) {
            QCOMPARE(e.Message(), Texte("Propri\xE9t\xE9 TProgressBar hors limites"));
        }
        QCOMPARE(barre.Max(), 100);
        barre.FixeMax(1);  // one act: Max equals Min
        QCOMPARE(barre.Max(), 1);
        barre.resize(273, 17);
        barre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&barre));
        QCOMPARE(barre.LongueurRemplie(), 0);
        barre.Repeint();
        QVERIFY(barre.NombrePeintures() >= 1);
        // A lower minimum on a shown bar brings the position down to it.
        barre.FixeMax(100);
        barre.FixePosition(50);
        barre.FixeMin(-5);
        QCOMPARE(barre.Position(), -5);
        barre.FixeMin(10);
        QCOMPARE(barre.Position(), 10);
    }

    void positionsDeLaBarre_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("gardee");
        QTest::addColumn<int>("longueur");
        QTest::newRow("below Min: empty at 1") << 0 << 1 << 0;
        QTest::newRow("Min") << 1 << 1 << 0;
        QTest::newRow("middle") << 51 << 51 << 50 * 271 / 99;
        QTest::newRow("Max") << 100 << 100 << 271;
        QTest::newRow("above Max: full") << 1000 << 100 << 271;
    }
    void positionsDeLaBarre() {
        QFETCH(int, position);
        QFETCH(int, gardee);
        QFETCH(int, longueur);
        TProgressBar barre;
        barre.resize(273, 17);
        barre.show();
        barre.FixePosition(position);
        QCOMPARE(barre.Position(), gardee);
        QCOMPARE(barre.LongueurRemplie(), longueur);
    }

    // Before the bar is first shown, positions are kept as given and held
    // within the range when it shows.
    void positionAvantAffichage() {
        TProgressBar barre;
        barre.FixePosition(500);
        QCOMPARE(barre.Position(), 500);
        barre.FixeMax(300);
        barre.show();
        QCOMPARE(barre.Position(), 300);
    }

    // Painting at once happens only when the band's length changes.
    void repeintSeulementSiChange() {
        TProgressBar barre;
        barre.resize(273, 17);
        barre.FixeMax(100000);
        barre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&barre));
        barre.Repeint();
        const int avant = barre.NombrePeintures();
        barre.FixePosition(2);  // 1/99999 of 271 pixels: nothing to show
        barre.Repeint();
        QCOMPARE(barre.NombrePeintures(), avant);
        barre.FixePosition(50000);
        barre.Repeint();
        QCOMPARE(barre.NombrePeintures(), avant + 1);
        barre.hide();
        barre.FixePosition(60000);
        barre.Repeint();
        QCOMPARE(barre.NombrePeintures(), avant + 1);
    }

    void lignesDuRapport() {
        TRichEdit boite;
        boite.AjouteLigne(Texte("A"));
        boite.AjouteLigne(Texte("B"));
        QCOMPARE(boite.toPlainText(), QStringLiteral("A\nB\n"));
        boite.selectAll();
        boite.copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("A\nB\n"));
        boite.Vide();
        QCOMPARE(boite.toPlainText(), QString());
        QVERIFY(!boite.document()->isModified());
        boite.AjouteLigne(Texte("12 : 31/02/1850 \xE9"));
        QCOMPARE(boite.toPlainText(), QStringLiteral("12 : 31/02/1850 \u00E9\n"));
    }

    void dialogueOuverture() {
        QTemporaryDir dossier;
        const QString absent = dossier.filePath(QStringLiteral("absent.txt"));
        TOpenDialog dialogue;
        QCOMPARE(dialogue.FileName(), Texte());
        QString nomPropose;
        Application->RepondeurDialogue = [&](const QString& initial) -> std::optional<QString> {
            nomPropose = initial;
            return absent;
        };
        QVERIFY(dialogue.Execute());  // a file that does not exist is accepted
        QCOMPARE(dialogue.FileName().Octets(), absent.toStdString());
        Application->RepondeurDialogue = [&](const QString& initial) -> std::optional<QString> {
            nomPropose = initial;
            return std::nullopt;
        };
        QVERIFY(!dialogue.Execute());
        QCOMPARE(nomPropose, absent);
        QCOMPARE(dialogue.FileName().Octets(), absent.toStdString());
        Application->RepondeurDialogue = nullptr;
    }

    void placementImage_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("cw");
        QTest::addColumn<int>("ch");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::addColumn<RectanglePlace>("place");
        QTest::newRow("the logo") << 777 << 776 << 149 << 157 << false << false << RectanglePlace{0, 0, 149, 148};
        QTest::newRow("tall picture") << 100 << 400 << 149 << 157 << false << false << RectanglePlace{0, 0, 39, 157};
        QTest::newRow("wide, too high after")
            << 300 << 200 << 150 << 50 << false << false << RectanglePlace{0, 0, 75, 50};
        QTest::newRow("smaller: own size") << 20 << 10 << 149 << 157 << false << false << RectanglePlace{0, 0, 20, 10};
        QTest::newRow("smaller, stretched") << 20 << 10 << 149 << 157 << true << false << RectanglePlace{0, 0, 149, 74};
        QTest::newRow("centred") << 777 << 776 << 149 << 157 << false << true << RectanglePlace{0, 4, 149, 148};
        QTest::newRow("empty picture stretched") << 0 << 0 << 10 << 10 << true << false << RectanglePlace{0, 0, 10, 10};
    }
    void placementImage() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, cw);
        QFETCH(int, ch);
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        QFETCH(RectanglePlace, place);
        QCOMPARE(PlaceImage(w, h, cw, ch, {.Stretch = stretch, .Proportional = true, .Center = center}), place);
    }

    void logoDecode() {
        QFile fichier(QStringLiteral(":/images/logo.jpg"));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray donnees = fichier.readAll();
        QVERIFY(donnees.contains(QByteArray("\xFF\xC0", 2)));  // baseline frame
        QVERIFY(!donnees.contains(QByteArray("\xFF\xC2", 2)));
        const QImage logo = DecodeJpeg(donnees);
        QCOMPARE(logo.size(), QSize(777, 776));
        // JFIF header: units 1 (dots per inch), then 150 by 150.
        const qsizetype jfif = donnees.indexOf(QByteArray("JFIF\0", 5));
        QVERIFY(jfif > 0);
        QCOMPARE(donnees.mid(jfif + 7, 5), QByteArray("\x01\x00\x96\x00\x96", 5));
        QVERIFY(DecodeJpeg(QByteArray("pas un jpeg")).isNull());
        QVERIFY(DecodeJpeg(QByteArray()).isNull());
        DecodeJpeg(donnees.left(donnees.size() / 2));  // a cut file must not crash
    }

    void glyphesTransparents() {
        for (const char* nom : {"ouvre", "traite", "quitte"}) {
            QFile fichier(QStringLiteral(":/images/%1.bmp").arg(QLatin1String(nom)));
            QVERIFY(fichier.open(QIODevice::ReadOnly));
            const QByteArray donnees = fichier.readAll();
            QCOMPARE(donnees.at(28), char{24});  // bits per pixel
            const QImage glyphe = QImage::fromData(donnees, "BMP");
            QCOMPARE(glyphe.size(), QSize(32, 32));
            QCOMPARE(glyphe.pixelColor(0, 31), QColor(236, 233, 216));
            const QImage masque = GlyphTransparent(glyphe).mask().toImage();
            QCOMPARE(masque.pixelIndex(0, 31), masque.pixelIndex(0, 0));
            QVERIFY(masque.pixelIndex(16, 16) != masque.pixelIndex(0, 31));
        }
    }
};

MAIN_TEST_FENETRE(TestControles)
#include "TestControles.moc"
