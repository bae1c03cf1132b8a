// The handlers of "Ouvre" and "Traite", and the files given otherwise than
// through the dialog: the shared step sequences run over the window's Win32
// controls.
#include "application/win32/Accueil.h"

#include "application/ControlesFenetre.h"
#include "depart/SequencesAccueil.h"

#include <shellapi.h>

#include <utility>

namespace {

// What the shared control operations leave to the window's Win32 controls.
class ControlesWin32 : public ControlesFenetre {
public:
    explicit ControlesWin32(TAccueil& fenetre, std::vector<std::wstring> donnes = {})
        : ControlesFenetre(*fenetre.Entree, fenetre.Entree->Raisons, *fenetre.Progression, *Application),
          f_(fenetre),
          donnes_(std::move(donnes)) {}

    bool ExecuteOpenDialog() override { return f_.OpenDialog.Execute(Application->FenetreApplication()); }
    NomFichier FileNameOpenDialog() override { return f_.OpenDialog.FileName(); }
    std::size_t NombreFichiersDonnes() override { return donnes_.size(); }
    void ConfirmeFichierDonne() override { f_.OpenDialog.Confirme(donnes_.front()); }
    void MontreEntree(bool visible) override { f_.MontreEntree(visible); }
    void DimensionneEntree(int largeur, int hauteur) override { f_.DimensionneEntree(largeur, hauteur); }
    void FixeTexteChampType(const Texte& texte) override { TAccueil::FixeTexte(f_.ChampType, texte); }
    void FixeTexteChampNombre(const Texte& texte) override { TAccueil::FixeTexte(f_.ChampNombre, texte); }
    void MontreIndice(const std::optional<IndiceConvention>& indice) override {
        f_.MontreIndice(indice ? indice->Court : Texte(), indice ? indice->Complet : Texte());
    }

private:
    TAccueil& f_;
    std::vector<std::wstring> donnes_;
};

constexpr UINT TousLesFichiers = 0xFFFFFFFF;

}  // namespace

void TAccueil::BoutonOuvreClick(TSpeedButton*) { ExecuteSequence<ControlesWin32>(SequenceOuvre, *this); }

void TAccueil::BoutonTraiteClick(TSpeedButton*) { ExecuteSequence<ControlesWin32>(SequenceTraite, *this); }

void TAccueil::OuvreFichiersDonnes(const std::vector<std::wstring>& noms) {
    ExecuteSequence<ControlesWin32>(SequenceOuvreDonnes, *this, noms);
}

void TAccueil::OuvreAuDemarrage(std::vector<std::wstring> noms) {
    if (noms.empty()) return;
    donnesAuDemarrage_ = std::move(noms);
    PostMessageW(fenetre_, MessageFichiersDonnes, 0, 0);
}

void TAccueil::Depose(HDROP depot) {
    // The drop is released whatever happens while its files are opened.
    struct Libere {
        HDROP depot;
        ~Libere() { DragFinish(depot); }
    } libere{depot};
    std::vector<std::wstring> noms(DragQueryFileW(depot, TousLesFichiers, nullptr, 0));
    for (UINT i = 0; i < noms.size(); ++i) {
        noms[i].resize(DragQueryFileW(depot, i, nullptr, 0) + 1);
        noms[i].resize(DragQueryFileW(depot, i, noms[i].data(), static_cast<UINT>(noms[i].size())));
    }
    OuvreFichiersDonnes(noms);
}
