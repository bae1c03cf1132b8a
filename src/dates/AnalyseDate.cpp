// The scanning steps and the reading of one date, without allocation.
#include "dates/AnalyseDate.h"

#include "commun/ReglagesDate.h"
#include "dates/Calendrier.h"
#include "platform/locale/ServicesLocale.h"

namespace {

constexpr unsigned char Blanc = 0x20;

bool EstChiffre(unsigned char octet) { return octet >= '0' && octet <= '9'; }

bool DansTexte(std::string_view texte, std::int32_t position) {
    return position >= 1 && static_cast<std::size_t>(position) <= texte.size();
}

unsigned char OctetA(std::string_view texte, std::int32_t position) {
    return static_cast<unsigned char>(texte[static_cast<std::size_t>(position - 1)]);
}

// The length of the character at the position: two for a lead byte of a
// Far-East system as the platform measures it, else one.
std::int32_t LongueurCaractereA(std::string_view texte, std::int32_t position) {
    if (!ReglagesDate.ExtremeOrient || !ReglagesDate.EstOctetDeTete(OctetA(texte, position))) return 1;
    const auto reste = texte.substr(static_cast<std::size_t>(position - 1));
    return ServicesLocaleCourants().LongueurCaractere(reste) == 2 ? 2 : 1;
}

// Whether the pattern holds a lower-case e, never counting the second byte
// of a two-byte character.
bool ContientE(std::string_view modele) {
    if (!ReglagesDate.ExtremeOrient) return modele.find('e') != std::string_view::npos;
    for (std::int32_t position = 1; DansTexte(modele, position); position += LongueurCaractereA(modele, position))
        if (OctetA(modele, position) == 'e') return true;
    return false;
}

// Bytes 0x00 to 0x20 removed from both ends.
std::string_view SansControles(std::string_view texte) {
    while (!texte.empty() && static_cast<unsigned char>(texte.front()) <= Blanc) texte.remove_prefix(1);
    while (!texte.empty() && static_cast<unsigned char>(texte.back()) <= Blanc) texte.remove_suffix(1);
    return texte;
}

std::int32_t DecalageEreEnTete(std::string_view texte, std::int32_t& position, const FormeDate& forme) {
    if (forme.EreEnTete) {
        AvanceAuChiffre(texte, position);
        return DecalageDEre(SansControles(texte.substr(0, static_cast<std::size_t>(position - 1))));
    }
    return forme.PremiereEre ? ReglagesDate.DecalagesEres[1] : 0;
}

// Whether the text at the position begins with the symbol, compared without
// case as the user's locale does.
bool CommenceParSymbole(std::string_view texte, std::int32_t position, const Texte& symbole) {
    const auto debut = texte.substr(static_cast<std::size_t>(position - 1), symbole.Vue().size());
    return ServicesLocaleCourants().CompareStringA(Locale::UtilisateurParDefaut, Locale::NormIgnoreCase, symbole.Vue(),
                                                   debut) == Locale::CstrEqual;
}

// Words after a date of a Far-East system (a day name), up to the end or to
// a time designator; the first word is always passed over.
void PasseTexteFinal(std::string_view texte, std::int32_t& position) {
    do {
        while (DansTexte(texte, position) && OctetA(texte, position) != Blanc) ++position;
        SauteBlancs(texte, position);
    } while (DansTexte(texte, position) && !CommenceParSymbole(texte, position, ReglagesDate.SymboleAM) &&
             !CommenceParSymbole(texte, position, ReglagesDate.SymbolePM));
}

// Keeps why the scan refused, when the caller asked for it; always false,
// so that a refusal reads "return Refuse(...)".
bool Refuse(RaisonRefus* raison, const RaisonRefus& pourquoi) {
    if (raison != nullptr) *raison = pourquoi;
    return false;
}

// The character at the position, or the end of the text (position 0).
RaisonRefus CaractereA(MotifRefus motif, unsigned char separateur, std::string_view texte, std::int32_t position) {
    RaisonRefus raison;
    raison.Motif = motif;
    raison.Separateur = separateur;
    if (DansTexte(texte, position)) {
        raison.Position = position;
        raison.Longueur = LongueurCaractereA(texte, position);
    }
    return raison;
}

// No number where the rang-th one should stand (a text of blanks has none).
RaisonRefus NombreManquant(unsigned char separateur, std::string_view texte, std::int32_t position, std::uint8_t rang) {
    if (rang == 1 && texte.find_first_not_of(static_cast<char>(Blanc)) == std::string_view::npos)
        return CaractereA(MotifRefus::DateVide, separateur, texte, 0);
    RaisonRefus raison = CaractereA(MotifRefus::NombreManquant, separateur, texte, position);
    raison.Rang = rang;
    return raison;
}

// No separator after the first number, which ended at finNombre: the end of
// the text, a digit beyond four significant ones, or another character.
RaisonRefus SeparateurManquant(unsigned char separateur, std::string_view texte, std::int32_t position,
                               std::int32_t finNombre, std::uint16_t nombre) {
    if (!DansTexte(texte, position)) return CaractereA(MotifRefus::NombreSeul, separateur, texte, 0);
    if (position == finNombre && EstChiffre(OctetA(texte, position))) {
        RaisonRefus raison = CaractereA(MotifRefus::ChiffreEnTrop, separateur, texte, position);
        raison.Nombre = nombre;
        return raison;
    }
    return CaractereA(MotifRefus::SeparateurInattendu, separateur, texte, position);
}

// A day that the calendar does not have, with where its year came from.
RaisonRefus HorsCalendrier(std::uint16_t annee, std::uint16_t mois, std::uint16_t jour, OrigineAnnee origine,
                           std::uint16_t anneeTapee) {
    RaisonRefus raison;
    raison.Motif = MotifCalendrier(annee, mois, jour);
    raison.Annee = annee;
    raison.Mois = mois;
    raison.Jour = jour;
    raison.Origine = origine;
    raison.Nombre = anneeTapee;
    if (raison.Motif == MotifRefus::JourTrop) raison.JoursDuMois = JoursDansMois(annee, mois);
    return raison;
}

}  // namespace

TOrdreDate DeduitOrdreDate(std::string_view modele) {
    for (const char c : modele) {
        switch (static_cast<unsigned char>(c) & ~0x20u) {
        case 'D': return TOrdreDate::JMA;
        case 'E':
        case 'Y': return TOrdreDate::AMJ;
        case 'M': return TOrdreDate::MJA;
        default: break;
        }
    }
    return TOrdreDate::MJA;
}

void SauteBlancs(std::string_view texte, std::int32_t& position) {
    while (DansTexte(texte, position) && OctetA(texte, position) == Blanc) ++position;
}

bool LitNombre(std::string_view texte, std::int32_t& position, std::uint16_t& valeur, std::uint8_t& chiffres) {
    SauteBlancs(texte, position);
    std::uint16_t lu = 0;
    std::uint8_t compte = 0;
    bool trouve = false;
    while (DansTexte(texte, position) && EstChiffre(OctetA(texte, position)) && lu < 1000) {
        lu = static_cast<std::uint16_t>(lu * 10 + (OctetA(texte, position) - '0'));
        compte = static_cast<std::uint8_t>(compte + 1);
        trouve = true;
        ++position;
    }
    if (!trouve) return false;
    valeur = lu;
    chiffres = compte;
    return true;
}

bool LitSeparateur(std::string_view texte, std::int32_t& position, unsigned char attendu) {
    SauteBlancs(texte, position);
    if (!DansTexte(texte, position) || OctetA(texte, position) != attendu) return false;
    ++position;
    return true;
}

void AvanceAuChiffre(std::string_view texte, std::int32_t& position) {
    while (DansTexte(texte, position) && !EstChiffre(OctetA(texte, position)))
        position += LongueurCaractereA(texte, position);
}

FormeDate FormeDesReglages() {
    const std::string_view modele = ReglagesDate.FormatDateCourt.Vue();
    FormeDate forme{DeduitOrdreDate(modele), ReglagesDate.SeparateurDate};
    forme.EreEnTete = !modele.empty() && modele.front() == 'g';
    forme.PremiereEre = !forme.EreEnTete && ContientE(modele);
    forme.NomDuJour = ReglagesDate.ExtremeOrient && modele.find("ddd") != std::string_view::npos;
    return forme;
}

bool AnalyseDate(std::string_view texte, std::int32_t& position, TDateSerie& date, RaisonRefus* raison,
                 const FormeDate& forme) {
    const TOrdreDate ordre = forme.Ordre;
    const unsigned char separateur = forme.Separateur;
    std::int32_t decalageEre = DecalageEreEnTete(texte, position, forme);

    std::uint16_t n1 = 0, n2 = 0, n3 = 0;
    std::uint8_t l1 = 0, l2 = 0, l3 = 0;
    if (!LitNombre(texte, position, n1, l1)) return Refuse(raison, NombreManquant(separateur, texte, position, 1));
    const std::int32_t finN1 = position;
    if (!LitSeparateur(texte, position, separateur))
        return Refuse(raison, SeparateurManquant(separateur, texte, position, finN1, n1));
    if (!LitNombre(texte, position, n2, l2)) return Refuse(raison, NombreManquant(separateur, texte, position, 2));

    std::uint16_t annee = 0, mois = 0, jour = 0, anneeTapee = 0;
    OrigineAnnee origine = OrigineAnnee::AnneeCourante;
    if (LitSeparateur(texte, position, separateur)) {
        if (!LitNombre(texte, position, n3, l3)) return Refuse(raison, NombreManquant(separateur, texte, position, 3));
        std::uint8_t chiffresAnnee = l3;
        switch (ordre) {
        case TOrdreDate::MJA:
            annee = n3;
            mois = n1;
            jour = n2;
            break;
        case TOrdreDate::JMA:
            annee = n3;
            mois = n2;
            jour = n1;
            break;
        case TOrdreDate::AMJ:
            annee = n1;
            mois = n2;
            jour = n3;
            chiffresAnnee = l1;
            break;
        }
        anneeTapee = annee;
        origine = OrigineAnnee::Tapee;
        if (decalageEre > 0) {
            annee = AnneeDEre(annee, decalageEre);
            origine = OrigineAnnee::Ere;
        } else if (chiffresAnnee <= 2) {
            annee = AppliqueFenetreSiecle(annee);
            origine = OrigineAnnee::FenetreSiecle;
        }
    } else {
        annee = AnneeCourante();
        const bool jourDabord = ordre == TOrdreDate::JMA;
        jour = jourDabord ? n1 : n2;
        mois = jourDabord ? n2 : n1;
    }
    LitSeparateur(texte, position, separateur);
    SauteBlancs(texte, position);
    if (forme.NomDuJour) PasseTexteFinal(texte, position);
    if (ComposeDate(annee, mois, jour, date)) return true;
    return Refuse(raison, HorsCalendrier(annee, mois, jour, origine, anneeTapee));
}
