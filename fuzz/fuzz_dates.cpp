// Random texts recognised under random settings: the first bytes choose the
// pattern, separator, Far-East data, eras, language and clock year; the rest
// is the text. Any input must give a verdict, the same with and without
// raising and with and without asking why; every refusal must have a reason
// and its phrase, no acceptance a reason; never a crash or undefined
// behaviour.
#include "commun/Exceptions.h"
#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"
#include "support/ReglagesFrancais.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Reads the settings bytes from the front of the input.
class Lecteur {
public:
    Lecteur(const std::uint8_t* donnees, std::size_t taille) : reste_(reinterpret_cast<const char*>(donnees), taille) {}

    std::uint8_t Octet() {
        if (reste_.empty()) return 0;
        const auto octet = static_cast<std::uint8_t>(reste_.front());
        reste_.remove_prefix(1);
        return octet;
    }
    std::string Texte(std::size_t longueurMax) {
        // The length byte is taken before the rest is measured.
        const std::size_t voulue = Octet() % (longueurMax + 1);
        const std::size_t longueur = std::min(voulue, reste_.size());
        std::string texte(reste_.substr(0, longueur));
        reste_.remove_prefix(longueur);
        return texte;
    }
    std::string_view Reste() const { return reste_; }

private:
    std::string_view reste_;
};

const char* const Modeles[] = {"dd/MM/yyyy",      "MM/dd/yy", "yyyy-MM-dd", "gg y/MM/dd",
                               "ggg e/MM/dd ddd", "e/MM/dd",  "",           "yyyy/MM/dd dddd"};

ServicesLocaleTable ReglagesAleatoires(Lecteur& lecteur) {
    using namespace Locale;
    ServicesLocaleTable table = ServicesLocaleTable::Francais(lecteur.Octet() % 4 == 0 ? 0 : 1900 + lecteur.Octet());
    const std::uint8_t choix = lecteur.Octet();
    table.LocaleThread = table.LocaleUtilisateur = (choix & 1)   ? ServicesLocaleTable::LocaleJaponais
                                                   : (choix & 2) ? ServicesLocaleTable::LocaleCoreen
                                                                 : ServicesLocaleTable::LocaleFrancais;
    table.Elements[table.LocaleThread] = table.Elements[ServicesLocaleTable::LocaleFrancais];
    table.Definit(SDate, lecteur.Texte(2));
    table.Definit(SShortDate, (choix & 4) ? lecteur.Texte(12) : Modeles[lecteur.Octet() % 8]);
    table.Definit(S1159, lecteur.Texte(3));
    table.Definit(S2359, lecteur.Texte(3));
    table.Definit(ICalendarType, std::to_string(lecteur.Octet() % 6));
    table.Definit(IOptionalCalendar, std::to_string(3 + lecteur.Octet() % 3));
    table.Definit(IDefaultAnsiCodePage, "932");
    table.OctetsDeTeteParPage[932] = {{lecteur.Octet(), lecteur.Octet()}, {0xE0, 0xFC}};
    table.PageSysteme = (choix & 8) ? 932 : 1252;
    table.Plateforme = (choix & 16) ? std::optional<std::uint32_t>() : PlateformeNT;
    table.DoubleOctetActif = (choix & 32) ? 1 : 0;
    for (std::uint32_t calendrier : {CalJapon, CalTaiwan, CalCoree}) {
        table.DefinitCalendrier(calendrier, CalSEraString, {lecteur.Texte(3), lecteur.Texte(3)});
        table.DefinitCalendrier(
            calendrier, CalIYearOffsetRange,
            {std::to_string(static_cast<std::int32_t>(lecteur.Octet() * 16777619u)), lecteur.Texte(4)});
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Lecteur lecteur(donnees, taille);
    ReglagesInstalles reglages(ReglagesAleatoires(lecteur));
    const std::string texte(lecteur.Reste());
    TDateSerie sansLever = 0;
    const bool accepte = TenteReconnaitDate(texte, sansLever);
    RaisonRefus raison;
    TDateSerie avecRaison = 0;
    if (TenteReconnaitDate(texte, avecRaison, &raison) != accepte || (accepte && avecRaison != sansLever)) std::abort();
    if (accepte != (raison.Motif == MotifRefus::Aucun) || accepte != ExpliqueRefus(raison, texte).EstVide())
        std::abort();
    try {
        const TDateSerie date = ReconnaitDate(texte);
        if (!accepte || date != sansLever) std::abort();
    } catch (const EConvertError& refus) {
        if (accepte || refus.Message().EstVide()) std::abort();
    }
    return 0;
}
