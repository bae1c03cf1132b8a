// Why a date is refused, as the scan that refuses it records it, under French
// settings with the clock in 2026: one phrase for each kind of refusal, and
// no reason for an accepted text.
#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"
#include "platform/pagedecode/PageDeCode.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// The reason in UTF-8, or "accepté".
std::string Pourquoi(const std::string& texte) {
    TDateSerie date = 0;
    RaisonRefus raison;
    raison.Motif = MotifRefus::JourTrop;  // must be cleared on acceptance
    if (TenteReconnaitDate(texte, date, &raison)) return raison.Motif == MotifRefus::Aucun ? "accepté" : "raison !";
    return VersUtf8(ExpliqueRefus(raison, texte).Vue(), 1252);
}

TEST(RaisonRefus, UnePhraseParSorteDeRefus) {
    ReglagesFrancais reglages(2026);
    const std::pair<std::string, std::string> cas[] = {
        {"12/05/1850", "accepté"},
        {"", "date vide"},
        {"   ", "date vide"},
        {"1850", "un seul nombre (une année seule ?) : il en faut au moins deux, séparés par « / »"},
        {"12-05-1850", "« - » à la place du séparateur « / » des réglages régionaux"},
        {"12 05 1850", "« 0 » à la place du séparateur « / » des réglages régionaux"},
        {"\t12/05/1850", "pas de nombre au début de la date : le caractère de code 0x09 s'y trouve"},
        {"Noël", "pas de nombre au début de la date : « N » s'y trouve"},
        {"12/", "il manque un nombre après le séparateur « / »"},
        {"12/05/", "il manque un nombre après le séparateur « / »"},
        {"12//05/1850", "il manque un nombre après le séparateur « / » : « / » le suit"},
        {"12345/05/1850", "un chiffre de trop : « 5 » suit les quatre chiffres significatifs de 1234"},
        {"12/05/19999", "texte en trop après la date : « 9 »"},
        {"12/05/1850 10:00", "texte en trop après la date : « 10:00 »"},
        {"12/05/1850x", "texte en trop après la date : « x »"},
        {"12/05/1850//", "texte en trop après la date : « / »"},
        {"00/01/1850", "le jour 0 n'existe pas"},
        {"01/00/1850", "le mois 0 n'existe pas"},
        {"12/13/1850", "le mois 13 n'existe pas : il n'y en a que 12"},
        {"31/04/1850", "le 31 avril 1850 n'existe pas : ce mois n'a que 30 jours"},
        {"30/02/2000", "le 30 février 2000 n'existe pas : ce mois n'a que 29 jours"},
        {"29/02/1900", "le 29 février 1900 n'existe pas : 1900 n'est pas une année bissextile"},
        {"29/02/75",
         "le 29 février 2075 (75 complété par la fenêtre de siècle) n'existe pas : 2075 n'est pas une année "
         "bissextile"},
        {"29/02", "le 29 février 2026 (l'année en cours) n'existe pas : 2026 n'est pas une année bissextile"},
        {"1/1/00000", "l'année 0 est hors de 1 à 9999"},
        {"29/02/000", "l'année 0 est hors de 1 à 9999"},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(Pourquoi(texte), attendu) << texte;
}

}  // namespace
