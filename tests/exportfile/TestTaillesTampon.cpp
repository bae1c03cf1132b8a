// The reader's own 128-byte buffer against the companion's large one, on the
// same generated files: every line-end and Ctrl-Z case at every offset around
// both buffers' boundaries, among lines of 0 to 300 bytes, and a line of
// several megabytes. Both must give the same lines, the same count and the
// same report.
#include "LectureComplete.h"

#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"
#include "support/DossierTemporaire.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Lignes = std::vector<std::string>;

// What one reading gives: the lines, then the survey's count and the check's
// report (empty when the last line has no marker).
struct Lecture {
    Lignes lignes;
    std::int32_t nbLignes = 0;
    Lignes rapport;
    friend bool operator==(const Lecture&, const Lecture&) = default;
};

class RapportEnMemoire : public ObservateurVerification {
public:
    void Avance(std::int32_t) override {}
    void MontreProgression() override {}
    void AjouteLigneRapport(const Texte& ligne) override { lignes.push_back(ligne.Octets()); }
    Lignes lignes;
};

// Reads the file through a buffer of the given size (0: the reader's own).
Lecture Lit(const std::string& nom, std::uint32_t taille) {
    std::vector<unsigned char> tampon(taille);
    Lecture lecture;
    LecteurLignes fichier;
    AssocieNom(fichier, NomFichier(nom));
    if (taille > 0) DonneTampon(fichier, tampon.data(), taille);
    OuvreLecture(fichier);
    ControleES();
    lecture.lignes = LitLignesRestantes(fichier);

    ReinitialiseDepart();
    SurvoleExport(NomFichier(nom), tampon);
    lecture.nbLignes = NbLignes;
    if (PorteLaMarque()) {
        DecoupeEntete();
        ChoisitTypeActes();
        DebuteVerification();
        RapportEnMemoire rapport;
        VerifieEnregistrements(rapport);
        FermeExport();
        lecture.rapport = rapport.lignes;
    }
    return lecture;
}

// Lines of 0 to 300 random bytes (fields, dates, accents, never a line-end
// byte), each ended by LF or CR LF, up to the size asked for.
void AjouteLignesAleatoires(std::string& octets, std::size_t jusqua, std::mt19937& hasard) {
    static const std::string alphabet = "0123456789///;;;;  ab\xE9\xFF-.:";
    while (octets.size() < jusqua) {
        const std::size_t reste = jusqua - octets.size();
        const bool crlf = reste >= 2 && hasard() % 2 == 0;
        const std::size_t place = reste - (crlf ? 2 : 1);
        const std::size_t longueur = std::min<std::size_t>(hasard() % 301, place);
        for (std::size_t i = 0; i < longueur; ++i) octets += alphabet[hasard() % alphabet.size()];
        octets += crlf ? "\r\n" : "\n";
    }
}

struct Motif {
    const char* nom;
    std::string octets;
    bool finDuFichier;  // the file ends right after it
};

const Motif motifs[] = {
    {"LF", "\n", false},
    {"CR LF", "\r\n", false},
    {"CR seul", "\r", false},
    {"LF CR", "\n\r", false},
    {"CR CR LF", "\r\r\n", false},
    {"ligne vide", "\n\n", false},
    {"Ctrl-Z dans la ligne", "\x1A", false},
    {"CR Ctrl-Z", "\r\x1A", false},
    {"Ctrl-Z en debut de ligne", "\n\x1A", false},
    {"zero", std::string(1, '\0'), false},
    {"octets hauts", "\xE9\x80\xFF", false},
    {"CR final", "\r", true},
    {"sans fin de ligne", "", true},
    {"Ctrl-Z final", "\n\x1A", true},
};

// A record whose date holds the motif at byte borne + decalage, between
// random lines, and a last record with the marker.
std::string FichierAutourDeLaBorne(const Motif& motif, std::size_t borne, int decalage, std::mt19937& hasard) {
    const std::string avant = "TABRENNV3;1;motif;a;b;N;12/05/18";
    std::string octets;
    AjouteLignesAleatoires(octets, borne + static_cast<std::size_t>(decalage) - avant.size(), hasard);
    octets += avant + motif.octets;
    if (motif.finDuFichier) return octets;
    octets += "50;z\r\n";
    AjouteLignesAleatoires(octets, octets.size() + 400, hasard);
    return octets + "TABRENNV3;2;fin;a;b;N;31/02/1850\r\n";
}

TEST(TaillesTampon, MemesLignesMemeCompteMemeRapportAutourDesBornes) {
    ReglagesFrancais reglages(2026);
    DossierTemporaire dossier;
    std::mt19937 hasard(12);
    for (const Motif& motif : motifs) {
        for (const std::size_t borne : {std::size_t{128}, std::size_t{256}, std::size_t{TailleTamponLot}}) {
            for (int decalage = -3; decalage <= 3; ++decalage) {
                const std::string nom =
                    dossier.Ecrit("export.txt", FichierAutourDeLaBorne(motif, borne, decalage, hasard));
                const Lecture petit = Lit(nom, 0);
                EXPECT_EQ(petit, Lit(nom, TailleTamponLot)) << motif.nom << " " << borne << " " << decalage;
                EXPECT_EQ(petit.nbLignes, static_cast<std::int32_t>(petit.lignes.size())) << motif.nom;
            }
        }
    }
}

TEST(TaillesTampon, UneLigneDePlusieursMegaoctets) {
    ReglagesFrancais reglages(2026);
    DossierTemporaire dossier;
    std::string longue = "TABRENNV3;1;longue;a;b;N;01/01/1850;" + std::string(5'000'000, 'l');
    longue[TailleTamponLot - 1] = '\r';  // a lone CR at a boundary, dropped
    longue[3 * TailleTamponLot] = '\0';  // a zero byte, kept
    const std::string nom = dossier.Ecrit("export.txt", longue + "\r\nTABRENNV3;2;b;a;b;N;1850;\r\n");
    const Lecture petit = Lit(nom, 0);
    EXPECT_EQ(petit, Lit(nom, TailleTamponLot));
    ASSERT_EQ(petit.lignes.size(), 2u);
    EXPECT_EQ(petit.lignes[0].size(), longue.size() - 1);
    EXPECT_EQ(petit.rapport, Lignes{"b : 1850"});
}

}  // namespace
