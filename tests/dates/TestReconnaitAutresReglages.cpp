// Date recognition under settings other than French: orders, separators,
// eras (Japanese-style and Korean), and the Far-East trailing text.
#include "SerieAttendue.h"
#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Locale;

constexpr TDateSerie Refus = -1e9;

struct Cas {
    std::string texte;
    TDateSerie attendu;  // Refus when the text is refused
};

void VerifieCas(const std::vector<Cas>& cas) {
    for (const Cas& c : cas) {
        TDateSerie date = Refus;
        const bool accepte = TenteReconnaitDate(c.texte, date);
        EXPECT_EQ(accepte, c.attendu != Refus) << "'" << c.texte << "'";
        if (accepte) {
            EXPECT_EQ(date, c.attendu) << "'" << c.texte << "'";
        }
    }
}

ServicesLocaleTable FrancaisAvec(const char* modele, const char* separateur) {
    ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
    table.Definit(SShortDate, modele);
    table.Definit(SDate, separateur);
    return table;
}

// A double-byte system whose locale has one era calendar: code page 932 with
// its lead bytes, era names and offsets as given, the pattern as the locale
// gives it under the calendar type.
ServicesLocaleTable AvecEres(std::uint32_t locale, std::uint32_t calendrier, const char* typeCalendrier,
                             const char* modele, std::vector<std::string> noms, std::vector<std::string> decalages) {
    ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
    table.LocaleThread = table.LocaleUtilisateur = locale;
    table.Elements[locale] = table.Elements[ServicesLocaleTable::LocaleFrancais];
    table.Definit(IDefaultAnsiCodePage, "932");
    table.Definit(IOptionalCalendar, std::to_string(calendrier));
    table.Definit(ICalendarType, typeCalendrier);
    table.Definit(SShortDate, modele);
    table.Definit(S1159, "AM");
    table.Definit(S2359, "PM");
    table.OctetsDeTeteParPage[932] = {{0x81, 0x9F}, {0xE0, 0xFC}};
    table.PageSysteme = 932;
    table.DefinitCalendrier(calendrier, CalSEraString, std::move(noms));
    table.DefinitCalendrier(calendrier, CalIYearOffsetRange, std::move(decalages));
    return table;
}

TEST(AutresReglages, SeparateurTiret) {
    ReglagesInstalles reglages(FrancaisAvec("dd-MM-yyyy", "-"));
    VerifieCas({{"12-05-1850", Serie(1850, 5, 12)}, {"12/05/1850", Refus}, {"12-05-1850-", Serie(1850, 5, 12)}});
}

TEST(AutresReglages, MoisJourAnnee) {
    ReglagesInstalles reglages(FrancaisAvec("MM/dd/yyyy", "/"));
    VerifieCas({{"12/05/1850", Serie(1850, 12, 5)},
                {"13/05/1850", Refus},
                {"12/05", Serie(2026, 12, 5)},
                {"02/29/2000", Serie(2000, 2, 29)}});
}

TEST(AutresReglages, AnneeMoisJour) {
    ReglagesInstalles reglages(FrancaisAvec("yyyy/MM/dd", "/"));
    VerifieCas({{"1850/05/12", Serie(1850, 5, 12)},
                {"50/05/12", Serie(2050, 5, 12)},
                {"76/05/12", Serie(1976, 5, 12)},
                {"050/05/12", Serie(50, 5, 12)},
                {"0050/05/12", Serie(50, 5, 12)},
                {"05/12", Serie(2026, 5, 12)},
                {"12/05/1850", Refus}});
}

TEST(AutresReglages, ModeleSansLettreDeDateLitMoisJourAnnee) {
    for (const char* modele : {"", "x/z", "\xE4\xC4/\xED"}) {
        ReglagesInstalles reglages(FrancaisAvec(modele, "/"));
        VerifieCas({{"12/05/1850", Serie(1850, 12, 5)}});
    }
}

TEST(AutresReglages, TexteEntreGuillemetsCompteAussi) {
    ReglagesInstalles reglages(FrancaisAvec("'de' MM/yyyy", "/"));
    VerifieCas({{"12/05/1850", Serie(1850, 5, 12)}});
}

TEST(AutresReglages, SeparateurBlancRefuseTout) {
    ReglagesInstalles reglages(FrancaisAvec("dd MM yyyy", " "));
    VerifieCas({{"12 05 1850", Refus}, {"12/05/1850", Refus}, {"12 05", Refus}});
}

TEST(AutresReglages, SeparateurVideAttendLOctetNul) {
    ReglagesInstalles reglages(FrancaisAvec("ddMMyyyy", ""));
    VerifieCas({{std::string("12\0"
                             "05\0"
                             "1850",
                             10),
                 Serie(1850, 5, 12)},
                {"12/05/1850", Refus}});
}

TEST(Eres, NomEnTeteAvecSonDecalage) {
    // The calendar type 3 turns "gg y/MM/dd" into "ggg e/MM/dd".
    ReglagesInstalles reglages(
        AvecEres(ServicesLocaleTable::LocaleJaponais, CalJapon, "3", "gg y/MM/dd", {"XY"}, {"1989"}));
    ASSERT_EQ(ReglagesDate.FormatDateCourt.Vue(), "ggg e/MM/dd");
    VerifieCas({{"XY 1/05/12", Serie(1989, 5, 12)},
                {"XY1/05/12", Serie(1989, 5, 12)},
                {" XY 1/05/12", Serie(1989, 5, 12)},
                {"\tXY\t1/05/12", Serie(1989, 5, 12)},
                {"X 1/05/12", Serie(1989, 5, 12)},
                {"xy 1/05/12", Serie(2001, 5, 12)},
                {"AB 1/05/12", Serie(2001, 5, 12)},
                {"1/05/12", Serie(2001, 5, 12)},
                {"XY 1/05", Serie(2026, 1, 5)},
                {"XY", Refus}});
}

TEST(Eres, PremiereEreSansNom) {
    ReglagesInstalles reglages(
        AvecEres(ServicesLocaleTable::LocaleJaponais, CalJapon, "1", "e/MM/dd", {"XY", "ZT"}, {"1989", "1926"}));
    VerifieCas({{"1/05/12", Serie(1989, 5, 12)}, {"XY 1/05/12", Refus}, {"31/12/31", Serie(2019, 12, 31)}});
}

TEST(Eres, DecalageNulOuNegatifNestPasUneEre) {
    for (const char* decalage : {"0", "-5", "Heisei"}) {
        ReglagesInstalles reglages(
            AvecEres(ServicesLocaleTable::LocaleJaponais, CalJapon, "3", "gg y/MM/dd", {"XY"}, {decalage}));
        VerifieCas({{"XY 1/05/12", Serie(2001, 5, 12)}});
    }
}

TEST(Eres, Coreennes) {
    ReglagesInstalles reglages(
        AvecEres(ServicesLocaleTable::LocaleCoreen, CalCoree, "5", "gg y/MM/dd", {"XY"}, {"2333"}));
    VerifieCas({{"XY 59/05/12", Serie(2026, 5, 12)},
                {"XY 4359/05/12", Serie(2026, 5, 12)},
                {"XY 100/05/12", Refus},
                {"AB 59/05/12", Serie(2059, 5, 12)}});
    // The year out of range is the one the era gave.
    TDateSerie date = 0;
    RaisonRefus raison;
    EXPECT_FALSE(TenteReconnaitDate("XY 100/05/12", date, &raison));
    EXPECT_EQ(raison.Motif, MotifRefus::AnneeHorsLimites);
    EXPECT_EQ(raison.Annee, 63303);
    EXPECT_EQ(raison.Origine, OrigineAnnee::Ere);
    EXPECT_EQ(raison.Nombre, 100);
}

TEST(Eres, CaracteresADeuxOctets) {
    // 0x81 0x35 is one character: its second byte is not the digit 5, and an
    // era name is never matched from the second byte of a character.
    ReglagesInstalles reglages(AvecEres(ServicesLocaleTable::LocaleJaponais, CalJapon, "3", "gg y/MM/dd",
                                        {"\x81\x35", "\x81XZ"}, {"1989", "1868"}));
    VerifieCas({{"\x81\x35 1/05/12", Serie(1989, 5, 12)},
                {"XZ 1/05/12", Serie(2001, 5, 12)},
                {"\x81XZ 1/05/12", Serie(1868, 5, 12)},
                {"\x81", Refus}});
}

TEST(ExtremeOrient, TexteFinalJusquAuSymbole) {
    ReglagesInstalles reglages(AvecEres(ServicesLocaleTable::LocaleJaponais, CalJapon, "1", "yyyy/MM/dd ddd", {}, {}));
    ASSERT_TRUE(ReglagesDate.ExtremeOrient);
    VerifieCas({{"2000/05/12 Fri", Serie(2000, 5, 12)},
                {"2000/05/12Fri", Serie(2000, 5, 12)},
                {"2000/05/12 Fri AM", Refus},
                {"2000/05/12 Fri am", Refus},
                {"2000/05/12 Fri PMx", Refus},
                {"2000/05/12 Fri A", Serie(2000, 5, 12)},
                {"2000/05/12 AM", Serie(2000, 5, 12)},
                {"2000/05/12 Fri 10", Serie(2000, 5, 12)},
                {"2000/05/12 Fri  10 12 ", Serie(2000, 5, 12)},
                {"2000/02/30 Fri", Refus}});
}

TEST(ExtremeOrient, SymboleVideArreteAuPremierMot) {
    ServicesLocaleTable table = AvecEres(ServicesLocaleTable::LocaleJaponais, CalJapon, "1", "yyyy/MM/dd dddd", {}, {});
    table.Definit(S1159, "");
    ReglagesInstalles reglages(std::move(table));
    VerifieCas({{"2000/05/12 Fri", Serie(2000, 5, 12)}, {"2000/05/12 Fri x", Refus}});
}

TEST(ExtremeOrient, SansDddRienNestPasse) {
    ReglagesInstalles reglages(AvecEres(ServicesLocaleTable::LocaleJaponais, CalJapon, "1", "yyyy/MM/dd", {}, {}));
    VerifieCas({{"2000/05/12 Fri", Refus}, {"2000/05/12", Serie(2000, 5, 12)}});
}

}  // namespace
