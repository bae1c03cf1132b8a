// The Qt controls over what they talk to: the progress bar's painting, the
// report box's text and copy, the open dialog, the button pictures.
#include "ApplicationDeTest.h"

#include "application/qt/controles/TOpenDialog.h"
#include "application/qt/controles/TProgressBar.h"
#include "application/qt/controles/TRichEdit.h"
#include "application/qt/controles/TSpeedButton.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>

class TestControles : public QObject {
    Q_OBJECT

private slots:
    // The shared rules decide what the band is; the Qt bar paints it at
    // once, in the highlight colour, inside its sunken frame.
    void barrePeinteAuRepeint() {
        TProgressBar barre;
        barre.resize(273, 17);
        barre.FixeMax(100);
        barre.Montre(true);
        QVERIFY(QTest::qWaitForWindowExposed(&barre));
        barre.FixePosition(51);
        const int avant = barre.NombrePeintures();
        barre.Repeint();
        QCOMPARE(barre.NombrePeintures(), avant + 1);
        QCOMPARE(barre.LongueurRemplie(), 50 * 271 / 99);
        const QImage image = barre.grab().toImage();
        const QColor bande = barre.palette().color(QPalette::Highlight);
        QCOMPARE(image.pixelColor(barre.LongueurRemplie(), 8), bande);
        QVERIFY(image.pixelColor(barre.LongueurRemplie() + 1, 8) != bande);
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
        QCOMPARE(dialogue.FileName(), NomFichier());
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
