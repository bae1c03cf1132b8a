// The failure handling and display of the application objects.
#include "application/ApplicationFenetre.h"

#include "application/EchecAAfficher.h"
#include "commun/MessageErreur.h"
#include "commun/PageDeCodeExport.h"
#include "dates/ChargeReglagesDate.h"

#include <string_view>
#include <utility>

namespace {

void AjouteUtf8(std::string& utf8, char32_t caractere) {
    if (caractere < 0x80) {
        utf8 += static_cast<char>(caractere);
    } else if (caractere < 0x800) {
        utf8 += static_cast<char>(0xC0 | (caractere >> 6));
        utf8 += static_cast<char>(0x80 | (caractere & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | (caractere >> 12));
        utf8 += static_cast<char>(0x80 | ((caractere >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (caractere & 0x3F));
    }
}

// The message as the tool reads it without the platform's conversion: ASCII
// as it is; in the tool's own parts the bytes 0xA0 to 0xFF, which are in
// Windows-1252 the characters of the same numbers (every accented French
// letter); U+FFFD for any other byte.
std::string Utf8SansPlateforme(const TexteMixte& texte) {
    std::string utf8;
    texte.PourChaquePartie([&utf8](std::string_view octets, bool deLExport) {
        for (const char c : octets) {
            const auto octet = static_cast<unsigned char>(c);
            const bool lu = octet < 0x80 || (!deLExport && octet >= 0xA0);
            AjouteUtf8(utf8, lu ? char32_t{octet} : U'\uFFFD');
        }
    });
    return utf8;
}

std::string Utf8DuMessage(const TexteMixte& message) {
    try {
        return TexteMixteVersUtf8(message, PageDeCodeExport());
    } catch (...) {
        return Utf8SansPlateforme(message);
    }
}

}  // namespace

void ApplicationFenetre::AfficheErreur(const Exception& echec) {
    const std::string texte = Utf8DuMessage(AvecPointFinal(echec.Message()));
    try {
        MontreBoiteErreur(texte);
    } catch (...) {
        SignaleSansBoite(texte);
    }
}

void ApplicationFenetre::GereEchec(std::exception_ptr echec) noexcept {
    RelacheSouris();
    try {
        if (const auto affiche = EchecAAfficher(echec)) AfficheErreur(*affiche);
    } catch (...) {
        // Not even the message could be made: memory ran out.
        SignaleSansBoite("une erreur n'a pas pu être affichée");
    }
}

void ApplicationFenetre::DebuteAttente() {
    occupee_ = true;
    prochainTour_ = {};
    MontreAttente(true);
}

void ApplicationFenetre::FinitAttente() noexcept {
    occupee_ = false;
    MontreAttente(false);
    if (std::exchange(reglagesGardes_, false)) RappelleReglages();
}

void ApplicationFenetre::Respire() {
    if (!occupee_) return;
    const auto maintenant = std::chrono::steady_clock::now();
    if (maintenant < prochainTour_) return;
    prochainTour_ = maintenant + IntervalleEvenements;
    PrendEvenementsEnAttente();
}

SortEvenement ApplicationFenetre::Trie(GenreEvenement genre) {
    if (!occupee_) return SortEvenement::Traite;
    const SortEvenement sort = SortPendantAttente(genre);
    if (sort == SortEvenement::Garde) reglagesGardes_ = true;
    return sort;
}

void ApplicationFenetre::ReglagesAnnonces() {
    if (Trie(GenreEvenement::Reglages) == SortEvenement::Garde) return;
    if (MajReglagesAuChangement) RechargeReglagesUtilisateur();
}
