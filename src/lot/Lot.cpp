// The companion's check of exports and its verdict on dates, over the same
// survey and check steps as the window, written as text for the terminal or
// as JSON Lines.
#include "lot/Lot.h"

#include "commun/Exceptions.h"
#include "commun/MessageErreur.h"
#include "commun/Messages.h"
#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"
#include "depart/AutreConvention.h"
#include "depart/Depart.h"
#include "depart/Survol.h"
#include "depart/Verification.h"
#include "platform/pagedecode/PageDeCode.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <new>
#include <optional>
#include <span>

namespace {

using Json = nlohmann::ordered_json;

// The reader's buffer for every file of the run.
std::span<unsigned char> TamponLot() {
    static std::vector<unsigned char> tampon(TailleTamponLot);
    return tampon;
}

TexteMixte AvecRaison(const TexteMixte& refus, const RaisonRefus& raison, std::string_view date) {
    return refus + ChaineRessource(Msg::AvantRaison) + ExpliqueRefus(raison, date);
}

std::string Hexadecimal(std::string_view octets) {
    static constexpr char Chiffres[] = "0123456789abcdef";
    std::string hexadecimal;
    hexadecimal.reserve(octets.size() * 2);
    for (const char c : octets) {
        const auto octet = static_cast<unsigned char>(c);
        hexadecimal += Chiffres[octet >> 4];
        hexadecimal += Chiffres[octet & 0x0F];
    }
    return hexadecimal;
}

// Bytes of the export as a JSON member: their text in UTF-8; when a byte
// could not be converted (U+FFFD in its place), the exact bytes too, in
// hexadecimal under the member's name followed by "_octets".
void AjouteOctetsExport(Json& objet, const std::string& nom, std::string_view octets, std::uint32_t page) {
    bool remplace = false;
    objet[nom] = VersUtf8(octets, page, &remplace);
    if (remplace) objet[nom + "_octets"] = Hexadecimal(octets);
}

// What the check of one file says, as it goes.
class SortieFichier {
public:
    virtual ~SortieFichier() = default;
    // The survey is done: kind of acts (a text of the tool's own) and
    // NbLignes known.
    virtual void Survol(const Texte& typeActes) = 0;
    // The date of line numero (from 1) is refused; Champ holds its record.
    virtual void Refus(std::int32_t numero, const Texte& ligneRapport, const RaisonRefus& raison) = 0;
    virtual void Fin(const Texte& typeActes) = 0;
    virtual void Echec(const TexteMixte& message) = 0;
};

// Report lines "[nom:][numero:]field 3 : field 7[ — reason]" and messages
// "[nom: ]message", converted for the terminal.
class SortieTexte : public SortieFichier {
public:
    SortieTexte(const std::string& nom, bool nommer, const OptionsLot& options, const SortiesLot& sorties)
        : nom_(nom), nommer_(nommer), options_(options), sorties_(sorties) {}

    void Survol(const Texte& typeActes) override {
        Message(Texte("Actes de : ") + typeActes);
        Message(Texte("Nb d'actes : ") + Texte(std::to_string(NbLignes)));
    }
    void Refus(std::int32_t numero, const Texte& ligneRapport, const RaisonRefus& raison) override {
        if (nommer_) sorties_.rapport << nom_ << ':';
        if (options_.Numeros) sorties_.rapport << numero << ':';
        const TexteMixte rapport = TexteMixte::DeLExport(ligneRapport);
        const TexteMixte ligne = options_.Pourquoi ? AvecRaison(rapport, raison, Champ[ChampDate].Vue()) : rapport;
        sorties_.rapport << sorties_.terminal.VersTerminal(ligne) << '\n';
    }
    void Fin(const Texte&) override {
        sorties_.rapport.flush();
        Message(ChaineRessource(DatesRefusees() ? Msg::CopiezResultats : Msg::ControleTermine));
        if (const auto indice = IndiceAutreConvention()) Message(indice->Complet);
    }
    void Echec(const TexteMixte& message) override {
        sorties_.rapport.flush();
        Message(message);
    }

private:
    void Message(const TexteMixte& texte) {
        if (nommer_) sorties_.messages << nom_ << ": ";
        sorties_.messages << sorties_.terminal.VersTerminal(texte) << '\n';
    }

    const std::string& nom_;
    bool nommer_;
    const OptionsLot& options_;
    const SortiesLot& sorties_;
};

// One object a line: each refused date, then the file's summary.
class SortieJson : public SortieFichier {
public:
    SortieJson(const std::string& nom, const SortiesLot& sorties) : nom_(nom), sorties_(sorties) {}

    void Survol(const Texte&) override {}
    void Refus(std::int32_t numero, const Texte&, const RaisonRefus& raison) override {
        Json objet{{"objet", "refus"}, {"fichier", nom_}, {"ligne", numero}};
        AjouteOctetsExport(objet, "champ3", Champ[ChampReference].Vue(), sorties_.pageDeCode);
        AjouteOctetsExport(objet, "champ7", Champ[ChampDate].Vue(), sorties_.pageDeCode);
        objet["raison"] = Utf8(ExpliqueRefus(raison, Champ[ChampDate].Vue()));
        Ecrit(objet);
    }
    void Fin(const Texte& typeActes) override {
        Json bilan{{"objet", "bilan"},
                   {"fichier", nom_},
                   {"actes", Utf8(typeActes)},
                   {"nb_actes", NbLignes},
                   {"nb_refusees", NombreDeRefus()}};
        if (const auto indice = IndiceAutreConvention())
            bilan["autre_convention"] = {
                {"forme", Utf8(indice->Forme)}, {"valides", indice->Valides}, {"message", Utf8(indice->Complet)}};
        Ecrit(bilan);
    }
    void Echec(const TexteMixte& message) override {
        Ecrit({{"objet", "bilan"}, {"fichier", nom_}, {"echec", Utf8(message)}});
    }

private:
    std::string Utf8(const TexteMixte& texte) const { return TexteMixteVersUtf8(texte, sorties_.pageDeCode); }
    // A file name that is not UTF-8 keeps its valid part.
    void Ecrit(const Json& objet) {
        sorties_.rapport << objet.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
    }

    const std::string& nom_;
    const SortiesLot& sorties_;
};

// Hands each refused date of the check loop to the file's output.
class ObservateurLot : public ObservateurVerification {
public:
    ObservateurLot(SortieFichier& sortie, const RaisonRefus& raison) : sortie_(sortie), raison_(raison) {}
    void Avance(std::int32_t n) override { numero_ = n + 1; }
    void MontreProgression() override {}
    void AjouteLigneRapport(const Texte& ligne) override { sortie_.Refus(numero_, ligne, raison_); }

private:
    SortieFichier& sortie_;
    const RaisonRefus& raison_;
    std::int32_t numero_ = 0;
};

// "Ouvre" on one file, from a fresh run-wide state, so that nothing of the
// file before shows through: the kind of acts, or nothing when the file is
// not an export.
std::optional<Texte> Survole(const std::string& nom, SortieFichier& sortie) {
    ReinitialiseDepart();
    SurvoleExport(NomFichier(nom), TamponLot());
    if (!PorteLaMarque()) {
        sortie.Echec(ChaineRessource(Msg::PasUnExport));
        return std::nullopt;
    }
    DecoupeEntete();
    const Texte typeActes = ChoisitTypeActes();
    sortie.Survol(typeActes);
    return typeActes;
}

// "Traite" on the file just surveyed.
int Verifie(SortieFichier& sortie, const Texte& typeActes, bool raisonVoulue) {
    DebuteVerification();
    RaisonRefus raison;
    ObservateurLot observateur(sortie, raison);
    VerifieEnregistrements(observateur, ChampsLus::DuRapport, raisonVoulue ? &raison : nullptr);
    FermeExport();
    sortie.Fin(typeActes);
    return DatesRefusees() ? StatutLot::DatesRefusees : StatutLot::Succes;
}

int VerifieUnExport(const std::string& nom, SortieFichier& sortie, bool raisonVoulue) {
    try {
        const std::optional<Texte> typeActes = Survole(nom, sortie);
        if (!typeActes) return StatutLot::Echec;
        return Verifie(sortie, *typeActes, raisonVoulue);
    } catch (const Exception& failure) {
        sortie.Echec(AvecPointFinal(failure.Message()));
    } catch (const std::bad_alloc&) {
        sortie.Echec(AvecPointFinal(ChaineRessource(Msg::MemoireInsuffisante)));
    }
    return StatutLot::Echec;
}

std::string DateIso(TDateSerie serie) {
    using namespace std::chrono;
    constexpr sys_days origine = 1899y / December / 30;
    const year_month_day jour{origine + days(static_cast<long>(std::floor(serie)))};
    char texte[16];
    std::snprintf(texte, sizeof texte, "%04d-%02u-%02u", static_cast<int>(jour.year()),
                  static_cast<unsigned>(jour.month()), static_cast<unsigned>(jour.day()));
    return texte;
}

}  // namespace

int VerifieExportsLot(const std::vector<std::string>& fichiers, const OptionsLot& options, const SortiesLot& sorties) {
    const bool nommer = fichiers.size() > 1;
    int statut = StatutLot::Succes;
    for (const std::string& nom : fichiers) {
        const std::string nomAffiche = sorties.terminal.ArgumentVersTerminal(nom);
        const std::string nomUtf8 = sorties.terminal.ArgumentVersUtf8(nom);
        SortieTexte texte(nomAffiche, nommer, options, sorties);
        SortieJson json(nomUtf8, sorties);
        SortieFichier& sortie = options.Json ? static_cast<SortieFichier&>(json) : texte;
        statut = std::max(statut, VerifieUnExport(nom, sortie, options.Json || options.Pourquoi));
    }
    sorties.rapport.flush();
    return statut;
}

int JugeDatesLot(const std::vector<std::string>& textes, const OptionsLot& options, const SortiesLot& sorties) {
    int statut = StatutLot::Succes;
    for (const std::string& saisi : textes) {
        const Texte texte = sorties.terminal.DepuisTerminal(saisi);
        TDateSerie date = 0;
        RaisonRefus raison;
        const bool accepte = TenteReconnaitDate(texte.Vue(), date, &raison);
        if (!accepte) statut = StatutLot::DatesRefusees;
        if (options.Json) {
            Json objet{{"objet", "date"}};
            AjouteOctetsExport(objet, "texte", texte.Vue(), sorties.pageDeCode);
            if (accepte) objet["date"] = DateIso(date);
            else objet["raison"] = TexteMixteVersUtf8(ExpliqueRefus(raison, texte.Vue()), sorties.pageDeCode);
            sorties.rapport << objet.dump() << '\n';
        } else if (accepte) {
            sorties.rapport << DateIso(date) << '\n';
        } else {
            const TexteMixte refus = MessageRessource(Msg::DateIncorrecte, {TexteMixte::DeLExport(texte)});
            sorties.rapport << sorties.terminal.VersTerminal(options.Pourquoi ? AvecRaison(refus, raison, texte.Vue())
                                                                              : refus)
                            << '\n';
        }
    }
    return statut;
}
