// The survey steps of "Ouvre", over the run-wide state of Depart.h.
#include "depart/Survol.h"

#include "commun/Messages.h"
#include "depart/Depart.h"

namespace {

const Texte MarqueExport("TABRENNV3");
// The field of the kind code, the last that the survey cuts.
constexpr int ChampCodeType = 6;

struct TypeConnu {
    Texte Code;
    std::uint16_t Nom;
    std::int32_t Champs;
};

}  // namespace

void SurvoleExport(const NomFichier& nom, std::span<unsigned char> tampon, const Pouls& pouls) {
    NbLignes = 0;
    OuvreFichierExport(nom, tampon);
    CompteLignes(pouls);
    RembobineExport();
}

void OuvreFichierExport(const NomFichier& nom, std::span<unsigned char> tampon) {
    AssocieNom(FichierExport, nom);
    if (!tampon.empty()) DonneTampon(FichierExport, tampon.data(), static_cast<std::uint32_t>(tampon.size()));
    OuvreLecture(FichierExport);
    ControleES();
}

void CompteLignes(const Pouls& pouls) {
    for (;;) {
        if (pouls && NbLignes % LignesEntrePouls == 0) pouls();
        const bool fin = FinDeFichier(FichierExport);
        ControleES();
        if (fin) return;
        LitLigne(FichierExport, Ligne);
        PasseLigne(FichierExport);
        ControleES();
        NbLignes = static_cast<std::int32_t>(static_cast<std::uint32_t>(NbLignes) + 1u);
    }
}

void RembobineExport() {
    OuvreLecture(FichierExport);
    ControleES();
}

bool PorteLaMarque() { return PositionTexte(MarqueExport, Ligne) != 0; }

void DecoupeEntete() { DecoupeLigne(ChampCodeType); }

Texte ChoisitTypeActes() {
    static const TypeConnu types[] = {
        {Texte("N"), Msg::Naissances, 30},
        {Texte("M"), Msg::Mariages, 60},
        {Texte("D"), Msg::Deces, 38},
    };
    for (const TypeConnu& type : types) {
        if (TextesEgaux(Champ[ChampCodeType], type.Code)) {
            NbChamps = type.Champs;
            return ChaineRessource(type.Nom);
        }
    }
    NbChamps = 64;
    return ChaineRessource(Msg::Divers);
}
