// The window (offscreen) and controle-dates-lot over the same exports, under
// the same real French locale and clock: the same report, line for line.
#include "LanceProgramme.h"

#include "application/ApplicationDeTest.h"
#include "application/BoitesRepondues.h"
#include "application/qt/Accueil.h"
#include "dates/ChargeReglagesDate.h"
#include "depart/Depart.h"
#include "depart/OutilsExport.h"

#include <QTest>

#include <random>

Q_DECLARE_METATYPE(std::string)

namespace {

// Lines of random fields, with dates of every kind, bytes above 0x7F
// included, and the marker on the last line.
std::string ExportAleatoire(unsigned graine) {
    std::mt19937 hasard(graine);
    const std::vector<std::string> dates = {"12/03/1850",  "31/02/1850", "1850",           "",
                                            "29/02",       "1/1/50",     " 3 / 4 / 1901 ", "12-03-1850",
                                            "12/03/1850/", "00/01/1850", "31/12/9999",     "12/03/1850 x"};
    const std::string codes[] = {"N", "M", "D", "X", "n"};
    std::vector<std::string> lignes;
    for (int numero = 0; numero < 200; ++numero) {
        std::string reference;
        for (int i = 0; i < 12; ++i) reference += static_cast<char>(0x20 + hasard() % 0xDF);
        std::erase(reference, ';');
        lignes.push_back(LigneExport(reference, dates[hasard() % dates.size()], codes[hasard() % 5],
                                     8 + static_cast<int>(hasard() % 60)));
    }
    return Export(lignes);
}

}  // namespace

class TestCoherence : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ChargeReglagesDate(); }

    void MemeRapport_data() {
        QTest::addColumn<std::string>("octets");
        const auto exemple = [](const char* nom) {
            std::ifstream fichier(std::string(DOSSIER_EXEMPLES) + "/" + nom, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(fichier), {});
        };
        QTest::newRow("exemple valide") << exemple("naissances-valides.txt");
        QTest::newRow("exemple à corriger") << exemple("mariages-a-corriger.txt");
        QTest::newRow("fins de ligne CR") << Export({LigneExport("a", "1850", "M"), LigneExport("b", "1851")}, "\r");
        QTest::newRow("Ctrl-Z") << Export({LigneExport("a", "1850")}) + "\x1A" + Export({LigneExport("b", "1851")});
        for (unsigned graine = 1; graine <= 4; ++graine)
            QTest::newRow(("aléatoire " + std::to_string(graine)).c_str()) << ExportAleatoire(graine);
    }

    void MemeRapport() {
        QFETCH(std::string, octets);
        ReinitialiseDepart();
        DossierTemporaire dossier;
        const std::string chemin = dossier.Ecrit("export.txt", octets);

        TAccueil accueil;
        accueil.show();
        BoitesRepondues boites;
        Application->RepondeurDialogue = [&](const QString&) {
            return std::optional<QString>(QString::fromStdString(chemin));
        };
        accueil.BoutonOuvre->click();
        accueil.BoutonTraite->click();
        Application->RepondeurDialogue = nullptr;

        // What the box holds, before the plain-text view turns non-breaking
        // spaces into spaces.
        QString rapport = accueil.Entree->document()->toRawText();
        rapport.replace(QChar::ParagraphSeparator, u'\n');
        const ResultatProgramme compagnon = LanceProgramme(CHEMIN_COMPAGNON, {chemin}, {"LC_ALL=fr_FR.UTF-8"});
        QCOMPARE(rapport, QString::fromUtf8(compagnon.sortie));
        QCOMPARE(compagnon.statut, rapport.isEmpty() ? 0 : 1);
    }
};

MAIN_TEST_FENETRE(TestCoherence)
#include "TestCoherence.moc"
