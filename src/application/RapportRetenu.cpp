// The rule by which report lines go into a window's report box.
#include "application/RapportRetenu.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"

namespace {

// Lines put in by one insertion at most, so that the lines kept back and
// the text made of them stay small.
constexpr std::size_t LignesParBloc = 8192;

[[noreturn]] void EchecInsertion() { throw EOutOfResources(MessageRessource(Msg::InsertionRichEdit)); }

// Inserts a text at the end of the box when it fits whole; the control must
// then have taken it all: its length after the insertion is its length
// before plus the text's, both asked of the control itself. Gives the box's
// new length.
std::int64_t InsereSiPlace(BoiteRapport& boite, const Texte& texte) {
    const std::int64_t attendue = boite.Longueur() + boite.Caracteres(texte);
    if (attendue > boite.Capacite()) EchecInsertion();
    boite.InsereALaFin(texte);
    if (boite.Longueur() != attendue) EchecInsertion();
    return attendue;
}

// Every line as adding it alone would put it: since such an insertion
// leaves the end of the text as it found it (with or without a final break),
// the same order holds for every line.
Texte Bloc(const BoiteRapport& boite, const std::vector<Texte>& lignes) {
    const Texte saut(boite.SautDeLigne());
    const bool sautApres = boite.FinitParSaut();
    Texte bloc;
    for (const Texte& ligne : lignes) bloc += sautApres ? ligne + saut : saut + ligne;
    return bloc;
}

}  // namespace

void BoiteRapport::FixeCapacite(std::int64_t capacite) {
    capacite_ = capacite;
    LimiteControle(capacite);
}

void BoiteRapport::AjouteLigne(const Texte& ligne) {
    const Texte saut(SautDeLigne());
    InsereSiPlace(*this, FinitParSaut() ? ligne + saut : saut + ligne);
}

std::int64_t RapportRetenu::LongueurBoite() {
    if (longueur_ < 0) longueur_ = boite_.Longueur();
    return longueur_;
}

void RapportRetenu::Ajoute(const Texte& ligne) {
    const std::int64_t auPlus = ligne.Longueur() + static_cast<std::int64_t>(boite_.SautDeLigne().size());
    if (LongueurBoite() + borneEnAttente_ + auPlus > boite_.Capacite()) {
        Verse();
        boite_.AjouteLigne(ligne);
        longueur_ = -1;
        return;
    }
    enAttente_.push_back(ligne);
    borneEnAttente_ += auPlus;
    if (enAttente_.size() == LignesParBloc) Verse();
}

void RapportRetenu::Verse() {
    if (enAttente_.empty()) return;
    std::vector<Texte> lignes;
    lignes.swap(enAttente_);
    borneEnAttente_ = 0;
    longueur_ = -1;
    longueur_ = InsereSiPlace(boite_, Bloc(boite_, lignes));
}
