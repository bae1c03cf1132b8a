// The Windows file services through the reader: the codes of Windows for a
// failed opening and their messages, a file that a second Windows program
// holds open for writing, the file kept from writers while it is read,
// names outside the system code page and beyond MAX_PATH, and a file changed
// between the count and the rewind.
#include "EchecOuverture.h"
#include "LectureComplete.h"
#include "support/DossierTemporaire.h"

#include "commun/Exceptions.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using namespace std::string_literals;

namespace {

// TientEnEcriture.exe run on a file: it holds the file open for writing
// until Termine, or has already ended when its opening failed.
class EcrivainExterne {
public:
    explicit EcrivainExterne(const std::string& nom) {
        SECURITY_ATTRIBUTES heritable{sizeof heritable, nullptr, TRUE};
        HANDLE sortieEnfant = nullptr;
        HANDLE entreeEnfant = nullptr;
        CreatePipe(&sortie_, &sortieEnfant, &heritable, 0);
        CreatePipe(&entreeEnfant, &entree_, &heritable, 0);
        SetHandleInformation(sortie_, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(entree_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA demarrage{};
        demarrage.cb = sizeof demarrage;
        demarrage.dwFlags = STARTF_USESTDHANDLES;
        demarrage.hStdInput = entreeEnfant;
        demarrage.hStdOutput = sortieEnfant;
        demarrage.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        std::string ligne = "\"" CHEMIN_TIENT_EN_ECRITURE "\" \"" + nom + "\"";
        PROCESS_INFORMATION processus{};
        EXPECT_TRUE(
            CreateProcessA(nullptr, ligne.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &demarrage, &processus));
        processus_ = processus.hProcess;
        CloseHandle(processus.hThread);
        CloseHandle(sortieEnfant);
        CloseHandle(entreeEnfant);
        char mot[8] = {};
        DWORD lus = 0;
        ouvert_ = ReadFile(sortie_, mot, 7, &lus, nullptr) && std::string_view(mot, lus) == "ouvert\n";
    }
    ~EcrivainExterne() { Termine(); }
    EcrivainExterne(const EcrivainExterne&) = delete;
    EcrivainExterne& operator=(const EcrivainExterne&) = delete;

    bool Ouvert() const { return ouvert_; }

    // Lets the program close the file and end; its exit status.
    DWORD Termine() {
        if (entree_ != nullptr) {
            CloseHandle(entree_);
            entree_ = nullptr;
            WaitForSingleObject(processus_, 30000);
            GetExitCodeProcess(processus_, &statut_);
            CloseHandle(processus_);
            CloseHandle(sortie_);
        }
        return statut_;
    }

private:
    HANDLE sortie_ = nullptr;
    HANDLE entree_ = nullptr;
    HANDLE processus_ = nullptr;
    bool ouvert_ = false;
    DWORD statut_ = 0;
};

TEST(ServicesFichiersWindows, LesEchecsDOuvertureDonnentLesCodesDeWindows) {
    DossierTemporaire dossier;
    std::filesystem::create_directory(dossier.Chemin() / "dossier");
    const std::string dans = (dossier.Chemin() / "").string();
    VerifieEchecsOuverture({
        {dans + "absent.txt", 2, "Fichier introuvable"},
        {dans + "absent.d/export.txt", 3, "Nom de fichier incorrect"},
        {dans + "dossier", 5, "Acc\xE8s au fichier refus\xE9"},
        {"NUL", 5, "Acc\xE8s au fichier refus\xE9"},
        {"", 3, "Nom de fichier incorrect"},
        {dans + "f\0.txt"s, 123, "Erreur E/S 123"},
    });
}

TEST(ServicesFichiersWindows, UnFichierQuUnAutreProgrammeEcritDonne32) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("export.txt", "x\n");
    {
        EcrivainExterne ecrivain(nom);
        ASSERT_TRUE(ecrivain.Ouvert());
        const EInOutError e = EchecOuverture(nom);
        EXPECT_EQ(e.CodeErreur, 32);
        EXPECT_EQ(e.Message(), Texte("Erreur E/S 32"));
        EXPECT_EQ(ecrivain.Termine(), 0u);
    }
    EXPECT_THAT(LitToutesLesLignes(nom), ElementsAre("x"));
}

TEST(ServicesFichiersWindows, PendantLaLecturePersonneNOuvreLeFichierEnEcriture) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("export.txt", "x\n");
    LecteurLignes fichier;
    OuvreEtRembobine(fichier, nom);  // the rewind closes before reopening
    EXPECT_EQ(EcrivainExterne(nom).Termine(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    FermeFichier(fichier);
    ControleES();
    EXPECT_TRUE(EcrivainExterne(nom).Ouvert());
    OuvreLecture(fichier);
    ControleES();
    AssocieNom(fichier, NomFichier(nom));  // binding again releases the file
    EXPECT_TRUE(EcrivainExterne(nom).Ouvert());
}

// Whatever the system's code page: names it lacks, names of MAX_PATH
// characters or more (opened through their \\?\ form), and names of more
// than MAX_PATH bytes but fewer characters (opened as they stand).
TEST(ServicesFichiersWindows, UnNomHorsDeLaPageDeCodeOuTresLongOuvreLeBonFichier) {
    DossierTemporaire dossier;
    for (const std::wstring& nom : {std::wstring(L"Généalogie été.txt"), std::wstring(L"Zoé\\Łódź\\日本語\\m"),
                                    std::wstring(80, L'日') + L"\\" + std::wstring(80, L'本'),
                                    std::wstring(120, L'd') + L"\\" + std::wstring(150, L'e')})
        EXPECT_THAT(LitToutesLesLignes(dossier.Ecrit(nom, "ligne\n")), ElementsAre("ligne")) << nom.size();
}

// Between the count and the rewind of "Ouvre", the file must not change.
TEST(ServicesFichiersWindows, UnFichierChangeAvantLeRetourAuDebutDonne32) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("export.txt", "un\ndeux\n");
    EXPECT_EQ(CodeDuRetourAuDebut(nom, [&nom] { std::ofstream(nom, std::ios::app) << "trois\n"; }), 32);
}

}  // namespace
