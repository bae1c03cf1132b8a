// The main window: caption, controls in their places and stacking order,
// captions that fit, tooltips, logo, status bar, tab order, and the ways to
// ask for the end of the run.
#include "ApplicationDeTest.h"

#include "application/qt/Accueil.h"
#include "application/qt/Infobulles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>

// Holds back the requests to end posted to the application, counting them.
class RequetesRetenues : public QObject {
public:
    int nombre = 0;

protected:
    bool eventFilter(QObject* destinataire, QEvent* evenement) override {
        if (destinataire != Application || evenement->type() < QEvent::User) return false;
        ++nombre;
        return true;
    }
};

class TestAccueil : public QObject {
    Q_OBJECT

private slots:
    void init() { accueil = std::make_unique<TAccueil>(); }
    void cleanup() { accueil.reset(); }

    void fenetre() {
        QCOMPARE(accueil->windowTitle(), QStringLiteral("Contr\u00F4le des dates invalides V. 1.01"));
        QCOMPARE(accueil->size(), QSize(444, 248));
        QCOMPARE(accueil->pos(), QPoint(194, 110));
        QVERIFY(!accueil->windowIcon().isNull());
        QCOMPARE(accueil->windowIcon().availableSizes().size(), 8);
    }

    // Enlarged, the window keeps its status bar along its bottom.
    void barreEtatEnBas() {
        accueil->show();
        accueil->resize(600, 400);
        QCOMPARE(accueil->BarreEtat->geometry(), QRect(0, 381, 600, 19));
        QCOMPARE(accueil->BarreEtat->RectanglePanneau(1).right(), 599);
    }

    void controles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("visible");
        QTest::newRow("Logo") << "Logo" << QRect(4, 4, 149, 157) << true;
        QTest::newRow("BoutonOuvre") << "BoutonOuvre" << QRect(8, 172, 137, 50) << true;
        QTest::newRow("BoutonTraite") << "BoutonTraite" << QRect(152, 172, 137, 50) << true;
        QTest::newRow("BoutonQuite") << "BoutonQuite" << QRect(296, 172, 137, 50) << true;
        QTest::newRow("Memo") << "Memo" << QRect(160, 8, 278, 41) << true;
        QTest::newRow("BarreEtat") << "BarreEtat" << QRect(0, 229, 444, 19) << true;
        QTest::newRow("ChampType") << "ChampType" << QRect(248, 52, 188, 26) << true;
        QTest::newRow("ChampNombre") << "ChampNombre" << QRect(248, 92, 186, 26) << true;
        QTest::newRow("Progression") << "Progression" << QRect(160, 136, 273, 17) << false;
        QTest::newRow("Entree") << "Entree" << QRect(0, 0, 33, 25) << false;
    }
    void controles() {
        QFETCH(QString, nom);
        QFETCH(QRect, place);
        QFETCH(bool, visible);
        accueil->show();
        const auto* controle = accueil->findChild<QWidget*>(nom);
        QVERIFY(controle);
        QCOMPARE(controle->geometry(), place);
        QCOMPARE(controle->isVisible(), visible);
    }

    // The labels sit where laid out, sized to their text.
    void labels() {
        for (QLabel* label : {accueil->LabelType, accueil->LabelNombre}) {
            QCOMPARE(label->pos(), label == accueil->LabelType ? QPoint(160, 60) : QPoint(160, 100));
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
        }
    }

    void ordreDEmpilement() {
        QStringList noms;
        for (QObject* enfant : accueil->children())
            if (enfant->isWidgetType()) noms << enfant->objectName();
        QCOMPARE(noms, QStringList({"Logo", "BoutonOuvre", "BoutonTraite", "BoutonQuite", "LabelType", "LabelNombre",
                                    "Memo", "BarreEtat", "ChampType", "ChampNombre", "Progression", "Entree"}));
    }

    // Enlarged, the report box hides everything above the buttons but a
    // strip at the right and the rows just above the buttons.
    void rapportAgrandi() {
        accueil->Entree->resize(441, 161);
        accueil->Entree->show();
        const auto couvert = [this](int x, int y) {
            QWidget* dessus = accueil->childAt(x, y);
            return dessus == accueil->Entree || accueil->Entree->isAncestorOf(dessus);
        };
        for (QWidget* cache :
             std::initializer_list<QWidget*>{accueil->Logo, accueil->Memo, accueil->LabelType, accueil->LabelNombre,
                                             accueil->ChampType, accueil->ChampNombre, accueil->Progression})
            QVERIFY2(couvert(cache->x() + 1, cache->y() + 1), qPrintable(cache->objectName()));
        QVERIFY(!couvert(442, 60));
        QVERIFY(!couvert(100, 165));
        QVERIFY(!couvert(100, 175));
    }

    // The Windows faces of the layout are drawn with their free stand-ins.
    void polices() {
        QCOMPARE(QFontInfo(accueil->BoutonOuvre->font()).family(), QStringLiteral("Comic Neue"));
        QVERIFY(QFontInfo(accueil->LabelType->font()).bold());
        QCOMPARE(QFontInfo(accueil->Memo->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(accueil->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(accueil->BoutonOuvre->palette().color(QPalette::ButtonText), QColor(0, 128, 128));
    }

    void textesTiennent() {
        accueil->show();
        for (TSpeedButton* bouton : {accueil->BoutonOuvre, accueil->BoutonTraite, accueil->BoutonQuite}) {
            const int largeur = QFontMetrics(bouton->font()).horizontalAdvance(bouton->text()) + 4 + 32;
            QVERIFY2(largeur < bouton->width() - 8, qPrintable(bouton->text()));
        }
        const QFontMetrics memo(accueil->Memo->font());
        for (const QString& ligne : accueil->Memo->toPlainText().split(QLatin1Char('\n')))
            QVERIFY2(memo.horizontalAdvance(ligne) < accueil->Memo->viewport()->width() - 2, qPrintable(ligne));
        QCOMPARE(accueil->Memo->document()->lineCount(), 2);
        QVERIFY(2 * memo.height() <= accueil->Memo->viewport()->height());
        for (TEdit* champ : {accueil->ChampType, accueil->ChampNombre}) {
            champ->setText(QStringLiteral("Naissances"));
            QVERIFY(QFontMetrics(champ->font()).height() < champ->height() - 4);
        }
        const QFontMetrics barre(accueil->BarreEtat->font());
        const QRect credit = accueil->BarreEtat->RectanglePanneau(1);
        QVERIFY(barre.horizontalAdvance(accueil->BarreEtat->Panneaux()[1].Texte) < credit.width() - 6);
        QVERIFY(barre.height() <= credit.height());
    }

    void textes() {
        QCOMPARE(accueil->Memo->toPlainText(),
                 QStringLiteral("Ce programme permet de coontr\u00F4ler les dates invalides\n"
                                "pour pouvoir les corriger dans Tabrenn 3."));
        QCOMPARE(accueil->LabelType->text(), QStringLiteral("Actes de : "));
        QCOMPARE(accueil->LabelNombre->text(), QStringLiteral("Nb d'actes : "));
        QCOMPARE(accueil->BarreEtat->Panneaux().size(), std::size_t{2});
        QCOMPARE(accueil->BarreEtat->Panneaux()[0].Texte, QString());
        QCOMPARE(accueil->BarreEtat->RectanglePanneau(1).right(), accueil->BarreEtat->width() - 1);
        QVERIFY(accueil->ChampType->text().isEmpty());
        QVERIFY(accueil->Entree->toPlainText().isEmpty());
        QCOMPARE(accueil->Progression->Position(), 1);
    }

    void infobulles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::newRow("Logo") << "Logo"
                              << "Orvalis";
        QTest::newRow("BoutonOuvre") << "BoutonOuvre"
                                     << "Ouvre un fichier export Tabrenn";
        QTest::newRow("BoutonTraite") << "BoutonTraite"
                                      << "Convertit le fichier";
        QTest::newRow("BoutonQuite") << "BoutonQuite"
                                     << "Quitte le programme";
        QTest::newRow("LabelType") << "LabelType"
                                   << "Contr\u00F4le des dates dans Tabrenn 3";
        QTest::newRow("LabelNombre") << "LabelNombre"
                                     << "Contr\u00F4le des dates dans Tabrenn 3";
        QTest::newRow("Memo") << "Memo"
                              << "A propos de ce programmme";
        QTest::newRow("BarreEtat") << "BarreEtat"
                                   << "Contr\u00F4le des dates dans Tabrenn 3";
        QTest::newRow("ChampType") << "ChampType"
                                   << "Affiche le type d'actes trouv\u00E9s";
        QTest::newRow("ChampNombre") << "ChampNombre"
                                     << "Affiche le nombre d'actes \u00E0 traiter";
        QTest::newRow("Progression") << "Progression"
                                     << "Progression du traitement";
        QTest::newRow("Entree") << "Entree"
                                << "Contr\u00F4le des dates dans Tabrenn 3";
    }
    void infobulles() {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QCOMPARE(PartieCourte(HintEnVigueur(*accueil->findChild<QWidget*>(nom))), texte);
    }

    // Qt's hints, in Unicode, go through the shared rule; the style gives
    // the delay before a tooltip shows.
    void partieCourteEtDelai() {
        QCOMPARE(PartieCourte(QStringLiteral("Contr\u00F4le|long")), QStringLiteral("Contr\u00F4le"));
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    }

    void logo() {
        QCOMPARE(accueil->Logo->Image().size(), QSize(777, 776));
        QCOMPARE(accueil->Logo->RectangleDessin().translated(accueil->Logo->pos()), QRect(4, 4, 149, 148));
    }

    void ordreTabulation() {
        accueil->Entree->show();
        accueil->show();
        accueil->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(accueil.get()));
        QCOMPARE(QApplication::focusWidget(), accueil->Memo);
        QStringList ordre;
        for (int i = 0; i < 4; ++i) {
            ordre << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(ordre, QStringList({"Memo", "ChampType", "ChampNombre", "Entree"}));
        for (QWidget* sansFocus : std::initializer_list<QWidget*>{accueil->BoutonOuvre, accueil->BoutonTraite,
                                                                  accueil->BoutonQuite, accueil->Progression})
            QCOMPARE(sansFocus->focusPolicy(), Qt::NoFocus);
    }

    // What a screen reader reads: a button its caption, each field its
    // label's text (the label its buddy), the report box its own name.
    void accessibles() {
        accueil->Entree->setPlainText(QStringLiteral("ligne du rapport"));
        const struct {
            QWidget* Controle;
            const char* Nom;
            QAccessible::Role Role;
        } cas[] = {{accueil->BoutonOuvre, "Ouvre", QAccessible::Button},
                   {accueil->BoutonQuite, "Quitte", QAccessible::Button},
                   {accueil->ChampType, "Actes de :", QAccessible::EditableText},
                   {accueil->ChampNombre, "Nb d'actes :", QAccessible::EditableText},
                   {accueil->Entree, "Rapport des dates invalides", QAccessible::EditableText}};
        for (const auto& c : cas) {
            QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(c.Controle);
            QCOMPARE(lu->text(QAccessible::Name), QString::fromUtf8(c.Nom));
            QCOMPARE(lu->role(), c.Role);
        }
        QCOMPARE(accueil->LabelNombre->buddy(), accueil->ChampNombre);
    }

    // Qt's own texts are French: the open dialog's labels, the report box's
    // context menu.
    void textesDeQtEnFrancais() {
        QStringList textes;
        QTimer::singleShot(0, [&] {
            auto* dialogue = QApplication::activeModalWidget();
            for (const char* nom : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                textes << dialogue->findChild<QLabel*>(nom)->text();
            dialogue->close();
        });
        Application->ChoisitFichier(QString());
        const std::unique_ptr<QMenu> menu(accueil->Entree->createStandardContextMenu());
        for (QAction* action : menu->actions()) textes << action->text();
        for (const char* attendu :
             {"Voir dans :", "&Nom de fichier :", "Fichiers de type :", "Cop&ier\tCtrl+C", "Tout sélectionner\tCtrl+A"})
            QVERIFY2(textes.contains(QString::fromUtf8(attendu)), qPrintable(textes.join(" | ")));
    }

    // While a real box is shown, a click on the window does nothing; after
    // it, the window is active again and the focus back where it was.
    void boiteModale() {
        accueil->show();
        accueil->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(accueil.get()));
        accueil->ChampNombre->setFocus();
        RequetesRetenues requetes;
        Application->installEventFilter(&requetes);
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            QTest::mouseClick(accueil->windowHandle(), Qt::LeftButton, {}, accueil->BoutonQuite->geometry().center());
            boite->button(QMessageBox::Ok)->click();
        });
        Application->AfficheMessage(Texte("Contr\xF4le termin\xE9 !"), Texte("Bravo !"), Boite::IconeInformation);
        QCoreApplication::processEvents();
        QCOMPARE(requetes.nombre, 0);
        QTRY_COMPARE(QApplication::activeWindow(), accueil.get());
        QCOMPARE(QApplication::focusWidget(), accueil->ChampNombre);
        // The same click, without a box, reaches the button.
        QTest::mouseClick(accueil->windowHandle(), Qt::LeftButton, {}, accueil->BoutonQuite->geometry().center());
        QCoreApplication::processEvents();
        Application->removeEventFilter(&requetes);
        QCOMPARE(requetes.nombre, 1);
    }

    // The close box and "Quitte" each post one request to end, and the
    // window stays until the loop takes it.
    void quitteEtFermeture() {
        accueil->show();
        RequetesRetenues requetes;
        Application->installEventFilter(&requetes);
        QCloseEvent fermeture;
        QApplication::sendEvent(accueil.get(), &fermeture);
        QVERIFY(!fermeture.isAccepted());
        QCoreApplication::processEvents();
        QCOMPARE(requetes.nombre, 1);
        accueil->BoutonQuite->click();
        QCoreApplication::processEvents();
        QCOMPARE(requetes.nombre, 2);
        Application->removeEventFilter(&requetes);
        QVERIFY(accueil->isVisible());
        QVERIFY(!Application->FinPrise());
        QTimer::singleShot(0, accueil->BoutonQuite, &QAbstractButton::click);
        QCOMPARE(Application->BoucleEvenements(), 0);
        QVERIFY(Application->FinPrise());
    }

private:
    std::unique_ptr<TAccueil> accueil;
};

MAIN_TEST_FENETRE(TestAccueil)
#include "TestAccueil.moc"
