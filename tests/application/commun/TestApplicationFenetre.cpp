// The failure handling and display that both windows' application objects
// share, over an application object of the test's own that keeps what its
// boxes would show: the message with its final period, nothing for EAbort,
// and the original message still shown when converting it fails, or
// written out when no box can show it; and the settings change announced
// while the window is busy.
#include "application/ApplicationFenetre.h"
#include "commun/Messages.h"
#include "commun/ReglagesDate.h"
#include "support/ServicesLocaleTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

class ApplicationSimulee : public ApplicationFenetre {
public:
    int AfficheMessage(const TexteMixte&, const TexteMixte&, std::uint32_t) override { return 1; }
    void DemandeFin() override {}

    bool boiteEnPanne = false;
    bool sourisRelachee = false;
    std::optional<std::string> boite;
    std::optional<std::string> signale;
    int rappels = 0;

private:
    void RelacheSouris() noexcept override { sourisRelachee = true; }
    void MontreBoiteErreur(const std::string& texteUtf8) override {
        if (boiteEnPanne) throw std::bad_alloc();
        boite = texteUtf8;
    }
    void SignaleSansBoite(std::string_view texteUtf8) noexcept override { signale = std::string(texteUtf8); }
    void MontreAttente(bool) noexcept override {}
    void PrendEvenementsEnAttente() override {}
    void RappelleReglages() noexcept override { ++rappels; }
};

// Services whose code page cannot be had: the platform converts nothing.
class PageIntrouvable : public ServicesLocaleTable {
public:
    std::uint32_t GetACP() override { throw std::runtime_error("page de code introuvable"); }
};

struct Cas {
    const char* Nom;
    std::function<void()> Echec;
    std::optional<std::string> Boite;  // what the box shows; nothing: no box
    bool PageIntrouvable = false;
    bool BoiteEnPanne = false;
    std::optional<std::string> Signale = std::nullopt;
};

[[noreturn]] void DateRefusee() {
    throw EConvertError(MessageRessource(Msg::DateIncorrecte, {TexteMixte::DeLExport(Texte("3\xe9/02"))}));
}

TEST(ApplicationFenetre, UnEchecEstMontreAvecSonPointFinalEtLeMessageDOrigineResteCeluiQueVoitLUtilisateur) {
    const Cas cas[] = {
        {"message", [] { throw Exception(MessageRessource(Msg::FichierIntrouvable)); }, "Fichier introuvable."},
        {"code E/S", [] { throw EInOutError(MessageRessource(Msg::ErreurES, {104}), 104); }, "Erreur E/S 104."},
        {"point d'exclamation", [] { throw Exception(ChaineRessource(Msg::PasUnExport)); },
         "Ce n'est pas un fichier export de Tabrenn 3!"},
        {"message vide", [] { throw Exception(Texte()); }, ""},
        {"abandon", [] { throw EAbort(Texte("rien")); }, std::nullopt},
        {"mémoire", [] { throw std::bad_alloc(); }, "Mémoire insuffisante."},
        {"exception standard", [] { throw std::runtime_error("panne"); }, "Erreur interne : panne."},
        {"autre chose", [] { throw 42; }, "Erreur interne : exception inconnue."},
        {"date de l'export", DateRefusee, "'3é/02' n'est pas une date correcte."},
        {"sans conversion",
         [] { throw EInvalidOperation(MessageRessource(Msg::ProprieteHorsLimites, {Texte("T\x9c")})); },
         "Propriété T\uFFFD hors limites.", true},
        {"sans conversion, l'export", DateRefusee, "'3\uFFFD/02' n'est pas une date correcte.", true},
        {"sans boîte", [] { throw Exception(MessageRessource(Msg::FichierIntrouvable)); }, std::nullopt, false, true,
         "Fichier introuvable."},
    };
    for (const Cas& c : cas) {
        PageIntrouvable introuvable;
        ServicesLocaleTable francais = ServicesLocaleTable::Francais(2026);
        InstalleServicesLocale(c.PageIntrouvable ? &introuvable : &francais);
        ApplicationSimulee application;
        application.boiteEnPanne = c.BoiteEnPanne;
        try {
            c.Echec();
        } catch (...) {
            application.GereEchec(std::current_exception());
        }
        InstalleServicesLocale(nullptr);
        EXPECT_TRUE(application.sourisRelachee) << c.Nom;
        EXPECT_EQ(application.boite, c.Boite) << c.Nom;
        EXPECT_EQ(application.signale, c.Signale) << c.Nom;
    }
}

// A change of settings announced while the window is busy waits: the check
// runs under one set of settings, and the reload comes at the event loop's
// next turn once the work has ended.
TEST(ApplicationFenetre, DesReglagesAnnoncesPendantUneAttenteSontRechargesApresElle) {
    ServicesLocaleTable francais = ServicesLocaleTable::Francais(2026);
    InstalleServicesLocale(&francais);
    ApplicationSimulee application;
    ReglagesDate.SeparateurDate = '-';
    application.DebuteAttente();
    application.ReglagesAnnonces();
    EXPECT_EQ(ReglagesDate.SeparateurDate, '-');
    EXPECT_EQ(application.rappels, 0);
    application.FinitAttente();
    ASSERT_EQ(application.rappels, 1);
    application.ReglagesAnnonces();
    EXPECT_EQ(ReglagesDate.SeparateurDate, '/');
    InstalleServicesLocale(nullptr);
}

}  // namespace
