// The POSIX file services through the reader: failure codes and their
// messages, names, special files, descriptors, and files that another
// program writes while the tool reads them.
#include "EchecOuverture.h"
#include "LectureComplete.h"
#include "support/DossierTemporaire.h"

#include "commun/Exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using ::testing::ElementsAre;
using namespace std::string_literals;

namespace {

// The code that opening leaves pending, taken without raising it.
std::int32_t CodeOuverture(LecteurLignes& fichier) {
    OuvreLecture(fichier);
    const std::int32_t code = CodeES;
    CodeES = 0;
    return code;
}

std::int32_t CodeOuverture(const std::string& nom) {
    LecteurLignes fichier;
    AssocieNom(fichier, NomFichier(nom));
    return CodeOuverture(fichier);
}

int NombreDescripteurs() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

// The exit status of a child, 255 when it did not end normally.
int AttendsFin(pid_t enfant) {
    int etat = 0;
    while (::waitpid(enfant, &etat, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : 255;
}

// A second program opens the file for writing, writes texte at its end (or
// nothing) and ends.
void EcritureParUnAutreProgramme(const std::string& nom, const std::string& texte) {
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        const int fd = ::open(nom.c_str(), O_WRONLY | O_APPEND);
        const bool ok = fd >= 0 && ::write(fd, texte.data(), texte.size()) == static_cast<ssize_t>(texte.size());
        ::_exit(ok ? 0 : 1);
    }
    ASSERT_EQ(AttendsFin(enfant), 0);
}

TEST(ServicesFichiers, LesEchecsDOuvertureOntLeCodeEtLeMessageDeLeurSens) {
    DossierTemporaire dossier;
    const std::string dans = (dossier.Chemin() / "").string();
    dossier.Ecrit("present.txt", "x\n");
    std::filesystem::create_directory(dossier.Chemin() / "dossier");
    ::mkfifo((dans + "tube").c_str(), 0600);
    VerifieEchecsOuverture({
        {dans + "absent.txt", 2, "Fichier introuvable"},
        {dans + "absent/export.txt", 3, "Nom de fichier incorrect"},
        {dans + "present.txt/export.txt", 3, "Nom de fichier incorrect"},
        {dans + "dossier", 5, "Acc\xE8s au fichier refus\xE9"},
        {dans + "tube", 5, "Acc\xE8s au fichier refus\xE9"},
        {dans + "present.txt\0.autre"s, 123, "Erreur E/S 123"},
        {"/dev/null", 5, "Acc\xE8s au fichier refus\xE9"},
        {"", 3, "Nom de fichier incorrect"},
    });
}

TEST(ServicesFichiers, TropDeFichiersOuverts) {
    rlimit avant{};
    ::getrlimit(RLIMIT_NOFILE, &avant);
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("f.txt", "x\n");
    // A first opening while descriptors remain, for the checks of the
    // sanitizers, which need some of their own.
    ASSERT_EQ(CodeOuverture(nom), 0);
    std::vector<int> pris;
    rlimit basse = avant;
    basse.rlim_cur = static_cast<rlim_t>(NombreDescripteurs() + 8);
    ::setrlimit(RLIMIT_NOFILE, &basse);
    for (int fd; (fd = ::dup(0)) >= 0;) pris.push_back(fd);
    const std::int32_t code = CodeOuverture(nom);
    for (int fd : pris) ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &avant);
    EXPECT_EQ(code, 4);
}

// The code of opening nom, in a program that runs as an ordinary user when
// the tests run as root (who may read every file).
std::int32_t CodeOuvertureSansPrivilege(const std::string& nom) {
    if (::geteuid() != 0) return CodeOuverture(nom);
    const pid_t enfant = ::fork();
    if (enfant == 0) ::_exit(::setuid(65534) == 0 ? CodeOuverture(nom) : 255);
    return AttendsFin(enfant);
}

TEST(ServicesFichiers, AccesRefuseSansDroitDeLecture) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("f.txt", "x\n");
    ::chmod(dossier.Chemin().c_str(), 0755);
    ::chmod(nom.c_str(), 0);
    EXPECT_EQ(CodeOuvertureSansPrivilege(nom), 5);
}

TEST(ServicesFichiers, UnNomAccentueOuTresLongOuvreLeBonFichier) {
    DossierTemporaire dossier;
    EXPECT_THAT(LitToutesLesLignes(dossier.Ecrit("G\xC3\xA9n\xC3\xA9"
                                                 "alogie \xC3\xA9t\xC3\xA9/export.txt",
                                                 "vrai\n")),
                ElementsAre("vrai"));
    // A long path whose first 259 bytes name another, existing file.
    const std::string dossierLong = std::string(120, 'd') + "/" + std::string(120, 'e');
    const std::string nomLong = dossier.Ecrit(dossierLong + "/" + std::string(200, 'f'), "vrai\n");
    ASSERT_GT(nomLong.size(), 259u);
    dossier.Ecrit(nomLong.substr(dossier.Chemin().string().size() + 1, 259 - dossier.Chemin().string().size() - 1),
                  "faux\n");
    EXPECT_THAT(LitToutesLesLignes(nomLong), ElementsAre("vrai"));
}

TEST(ServicesFichiers, AssocierDelierOuDetruireLeLecteurLibereLeFichier) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("f.txt", "x\n");
    const int avant = NombreDescripteurs();
    {
        LecteurLignes fichier;
        OuvreEtRembobine(fichier, nom);  // the rewind closes before reopening
        EXPECT_EQ(NombreDescripteurs(), avant + 1);
        AssocieNom(fichier, NomFichier(nom));
        EXPECT_EQ(NombreDescripteurs(), avant);
        OuvreFichier(fichier, nom);
        DelieLecteur(fichier);
        EXPECT_EQ(NombreDescripteurs(), avant);
        EXPECT_EQ(CodeOuverture(fichier), CodeFichier::NonAssocie);
        OuvreFichier(fichier, nom);
    }
    EXPECT_EQ(NombreDescripteurs(), avant);
    // Nothing holds the file any more: it can be written.
    EcritureParUnAutreProgramme(nom, "y\n");
}

TEST(ServicesFichiers, UnFichierOuvertEnEcritureAilleursEstRefuse) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("f.txt", "x\n");
    std::ofstream ecrivain(nom, std::ios::app);
    EXPECT_EQ(EchecOuverture(nom).CodeErreur, 32);
    ecrivain.close();
    EXPECT_THAT(LitToutesLesLignes(nom), ElementsAre("x"));
}

// A cooperating program that asks for a write lock while the tool reads is
// refused it.
TEST(ServicesFichiers, UnAutreProgrammeNObtientPasDeVerrouEnEcriture) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("f.txt", "x\n");
    LecteurLignes fichier;
    OuvreFichier(fichier, nom);
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        const int fd = ::open(nom.c_str(), O_RDWR);
        struct flock verrou {};
        verrou.l_type = F_WRLCK;
        verrou.l_whence = SEEK_SET;
        ::_exit(fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &verrou) != 0 ? 0 : 1);
    }
    EXPECT_EQ(AttendsFin(enfant), 0);
}

// Between the counting pass and the check, or during the check, another
// program changes the file: the reading fails with 32 rather than report on
// other content than the one counted.
struct CasChangement {
    const char* quoi;
    void (*change)(const std::string& nom);
    std::int32_t codeAuRetour;  // when done while the file is closed; 0: nothing to see
};

const CasChangement casChangements[] = {
    {"ajout", [](const std::string& nom) { EcritureParUnAutreProgramme(nom, "ajout\n"); }, 32},
    {"ouverture en ecriture sans rien ecrire", [](const std::string& nom) { EcritureParUnAutreProgramme(nom, ""); }, 0},
    {"troncature", [](const std::string& nom) { ASSERT_EQ(::truncate(nom.c_str(), 10), 0); }, 32},
    {"remplacement",
     [](const std::string& nom) {
         std::ofstream(nom + ".neuf") << "autre\n";
         std::filesystem::rename(nom + ".neuf", nom);
     },
     32},
    {"suppression", [](const std::string& nom) { std::filesystem::remove(nom); }, 2},
};

// The tool's own process writing the file it reads is not kept waiting,
// and the reading then fails.
TEST(ServicesFichiers, UnEcrivainDuMemeProgrammeNAttendPas) {
    DossierTemporaire dossier;
    const std::string nom = dossier.Ecrit("f.txt", "un\ndeux\n");
    LecteurLignes fichier;
    OuvreFichier(fichier, nom);
    const auto debut = std::chrono::steady_clock::now();
    std::ofstream(nom, std::ios::app) << "trois\n";
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
    EXPECT_THROW(LitLignesRestantes(fichier), EInOutError);
}

std::string ExportDeTest() {
    std::string contenu;
    for (int i = 0; i < 100; ++i) contenu += "ligne " + std::to_string(i) + ";champ;champ\r\n";
    return contenu;
}

TEST(ServicesFichiers, UnChangementPendantLaLectureEchoueAvec32) {
    for (const CasChangement& c : casChangements) {
        DossierTemporaire dossier;
        const std::string nom = dossier.Ecrit("f.txt", ExportDeTest());
        LecteurLignes fichier;
        OuvreFichier(fichier, nom);
        Texte ligne;
        LitLigne(fichier, ligne);
        PasseLigne(fichier);
        ControleES();
        c.change(nom);
        try {
            LitLignesRestantes(fichier);
            ADD_FAILURE() << c.quoi << ": read to the end";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.CodeErreur, 32) << c.quoi;
            EXPECT_EQ(e.Message(), Texte("Erreur E/S 32")) << c.quoi;
        }
    }
}

TEST(ServicesFichiers, UnChangementEntreComptageEtRetourAuDebutEchoueAvec32) {
    for (const CasChangement& c : casChangements) {
        if (c.codeAuRetour == 0) continue;
        DossierTemporaire dossier;
        const std::string nom = dossier.Ecrit("f.txt", ExportDeTest());
        EXPECT_EQ(CodeDuRetourAuDebut(nom, [&] { c.change(nom); }), c.codeAuRetour) << c.quoi;
    }
}

}  // namespace
