// The reasons of the report's lines, read from their text.
#include "application/RaisonsRapport.h"

#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view Separateur = " : ";

std::size_t Empreinte(std::string_view ligne) { return std::hash<std::string_view>{}(ligne); }

// The regional settings of a check, in place of the present ones while it
// lives.
class ReglagesTenus {
public:
    explicit ReglagesTenus(const TReglagesDate& reglages) : presents_(std::exchange(ReglagesDate, reglages)) {}
    ~ReglagesTenus() { ReglagesDate = std::move(presents_); }
    ReglagesTenus(const ReglagesTenus&) = delete;
    ReglagesTenus& operator=(const ReglagesTenus&) = delete;

private:
    TReglagesDate presents_;
};

}  // namespace

void RaisonsRapport::DebuteControle() { reglages_ = ReglagesDate; }

void RaisonsRapport::NoteLigne(const Texte& ligne, const Texte& date) {
    const std::string_view texte = ligne.Vue();
    const std::size_t dernier = texte.rfind(Separateur);
    if (dernier == std::string_view::npos || dernier == 0 ||
        texte.rfind(Separateur, dernier - 1) == std::string_view::npos)
        return;
    const std::size_t debut = texte.size() - date.Vue().size();
    if (debut == dernier + Separateur.size()) {
        empreintes_.push_back(Empreinte(texte));
        return;
    }
    const auto [place, nouvelle] = datesAvecSeparateur_.try_emplace(ligne.Octets(), debut);
    if (!nouvelle && place->second != debut) place->second = Disputee;
}

void RaisonsRapport::Oublie() {
    reglages_.reset();
    datesAvecSeparateur_.clear();
    empreintes_.clear();
}

TexteMixte RaisonsRapport::Raison(const Texte& ligne) const {
    const std::string_view texte = ligne.Vue();
    const std::size_t dernier = texte.rfind(Separateur);
    if (!reglages_ || dernier == std::string_view::npos) return {};
    std::size_t debut = dernier + Separateur.size();
    if (const auto notee = datesAvecSeparateur_.find(ligne.Octets()); notee != datesAvecSeparateur_.end()) {
        // The same text from a record whose date followed the last " : ".
        const bool autreLecture = std::ranges::find(empreintes_, Empreinte(texte)) != empreintes_.end();
        if (notee->second == Disputee || autreLecture) return {};
        debut = notee->second;
    }
    const std::string_view date = texte.substr(debut);
    const ReglagesTenus tenus(*reglages_);
    TDateSerie jour = 0;
    RaisonRefus raison;
    if (TenteReconnaitDate(date, jour, &raison)) return {};
    return ExpliqueRefus(raison, date);
}
