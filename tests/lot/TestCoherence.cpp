// The window (offscreen) and controle-dates-lot over the same exports, under
// the same real French locale and clock: the same report, line for line, the
// same reason of each refused date (the window's under the pointer resting
// on its line), and the same hint of another convention.
#include "LanceProgramme.h"

#include "application/ApplicationDeTest.h"
#include "application/BoitesRepondues.h"
#include "application/InfobulleSousLePointeur.h"
#include "application/qt/Accueil.h"
#include "dates/ChargeReglagesDate.h"
#include "depart/Depart.h"
#include "depart/OutilsExport.h"

#include <QTest>

#include <nlohmann/json.hpp>

#include <random>
#include <sstream>

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
        std::vector<std::string> raisons;
        for (const char* date : {"", "1850", "12-05-1850", "No\xEBl", "\t1/1/1850", "12/", "12//05/1850",
                                 "12345/05/1850", "12/05/1850 10:00", "00/01/1850", "01/00/1850", "12/13/1850",
                                 "31/04/1850", "29/02/1900", "29/02/75", "1/1/00000", "12 : 05"})
            raisons.push_back(LigneExport("r : " + std::to_string(raisons.size()), date));
        QTest::newRow("une raison de chaque sorte") << Export(raisons);
        QTest::newRow("année-mois-jour") << Export(std::vector<std::string>(25, LigneExport("r", "1850-05-12")));
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

        std::istringstream json(LanceProgramme(CHEMIN_COMPAGNON, {"--json", chemin}, {"LC_ALL=fr_FR.UTF-8"}).sortie);
        nlohmann::json objet;
        int rang = 0;
        for (std::string ligne;
             std::getline(json, ligne) && (objet = nlohmann::json::parse(ligne))["raison"].is_string();)
            QCOMPARE(InfobulleSousLePointeur(*accueil.Entree, rang++), QString::fromStdString(objet["raison"]));
        const auto& autre = objet["autre_convention"];
        QCOMPARE(accueil.BarreEtat->Panneaux()[0].Infobulle,
                 QString::fromStdString(autre.is_null() ? "" : autre["message"].get<std::string>()));
    }
};

MAIN_TEST_FENETRE(TestCoherence)
#include "TestCoherence.moc"
