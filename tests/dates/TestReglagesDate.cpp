// Loading of ReglagesDate through the table double: each locale item with
// its defaults, the translation of the pattern, the Far-East flag, the lead
// bytes and the era tables.
#include "dates/LectureLocale.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace Locale;

constexpr std::uint32_t LocaleJaponais = ServicesLocaleTable::LocaleJaponais;
constexpr std::uint32_t LocaleFrancais = ServicesLocaleTable::LocaleFrancais;
constexpr std::uint32_t LocaleAllemand = ServicesLocaleTable::LocaleAllemand;
constexpr std::uint32_t LocaleCoreen = ServicesLocaleTable::LocaleCoreen;
constexpr std::uint32_t LocaleTaiwan = ServicesLocaleTable::LocaleTaiwan;

// A Japanese system and locale: code page 932 with its lead bytes, the Japanese era
// calendar as the optional one, the Gregorian calendar in use.
ServicesLocaleTable Japonais() {
    ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
    table.LocaleThread = table.LocaleUtilisateur = LocaleJaponais;
    table.Definit(SDate, "/");
    table.Definit(SShortDate, "yyyy/MM/dd");
    table.Definit(S1159, "AM");
    table.Definit(S2359, "PM");
    table.Definit(IDefaultAnsiCodePage, "932");
    table.Definit(ICalendarType, "1");
    table.Definit(IOptionalCalendar, "3");
    table.OctetsDeTeteParPage[932] = {{0x81, 0x9F}, {0xE0, 0xFC}};
    table.PageSysteme = 932;
    table.DoubleOctetActif = 1;
    table.DefinitCalendrier(CalJapon, CalSEraString, {"A", "B"});
    table.DefinitCalendrier(CalJapon, CalIYearOffsetRange, {"1989", "1926"});
    return table;
}

struct CasElement {
    std::uint32_t item;
    const char* valeur;  // nullptr: the request is refused
};

struct CasTexte {
    const char* nom;
    CasElement element;
    std::string attendu;
};

void PrintTo(const CasTexte& cas, std::ostream* flux) { *flux << cas.nom; }

const std::string Long255(255, 'd');
const std::string Long256(256, 'd');

class ElementTexte : public testing::TestWithParam<CasTexte> {};

TEST_P(ElementTexte, ValeurOuDefaut) {
    ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
    const CasElement& element = GetParam().element;
    if (element.valeur) table.Definit(element.item, element.valeur);
    else table.Retire(element.item);
    ReglagesInstalles reglages(std::move(table));
    const Texte& champ = element.item == SShortDate ? ReglagesDate.FormatDateCourt
                         : element.item == S1159    ? ReglagesDate.SymboleAM
                                                    : ReglagesDate.SymbolePM;
    EXPECT_EQ(champ.Vue(), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Defauts, ElementTexte,
                         testing::Values(CasTexte{"ModeleVide", {SShortDate, ""}, ""},
                                         CasTexte{"ModeleRefuse", {SShortDate, nullptr}, "m/d/yy"},
                                         CasTexte{"Modele255", {SShortDate, Long255.c_str()}, Long255},
                                         CasTexte{"Modele256", {SShortDate, Long256.c_str()}, "m/d/yy"},
                                         CasTexte{"AMRefuse", {S1159, nullptr}, "am"},
                                         CasTexte{"AM", {S1159, "vorm."}, "vorm."},
                                         CasTexte{"PMRefuse", {S2359, nullptr}, "pm"},
                                         CasTexte{"PMVide", {S2359, ""}, ""}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

struct CasSeparateur {
    const char* nom;
    const char* valeur;  // nullptr: the request is refused
    unsigned char attendu;
};

void PrintTo(const CasSeparateur& cas, std::ostream* flux) { *flux << cas.nom; }

class Separateur : public testing::TestWithParam<CasSeparateur> {};

TEST_P(Separateur, UnSeulCaractere) {
    ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
    if (GetParam().valeur) table.Definit(SDate, GetParam().valeur);
    else table.Retire(SDate);
    ReglagesInstalles reglages(std::move(table));
    EXPECT_EQ(ReglagesDate.SeparateurDate, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Defauts, Separateur,
                         testing::Values(CasSeparateur{"Tiret", "-", '-'}, CasSeparateur{"Point", ".", '.'},
                                         CasSeparateur{"DeuxCaracteres", "//", '/'},
                                         CasSeparateur{"DeuxOctets", "\x94\x4e", '/'}, CasSeparateur{"Vide", "", 0},
                                         CasSeparateur{"Refuse", nullptr, '/'}, CasSeparateur{"Blanc", " ", ' '}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

struct CasTraduction {
    const char* nom;
    std::uint32_t locale;
    std::string typeCalendrier;
    std::string modele;
    std::string attendu;
};

void PrintTo(const CasTraduction& cas, std::ostream* flux) { *flux << cas.nom; }

class Traduction : public testing::TestWithParam<CasTraduction> {};

TEST_P(Traduction, DuModeleCourt) {
    ServicesLocaleTable table = Japonais();
    table.LocaleThread = GetParam().locale;
    table.Elements[GetParam().locale] = table.Elements[LocaleJaponais];
    table.Definit(ICalendarType, GetParam().typeCalendrier);
    table.Definit(SShortDate, GetParam().modele);
    ReglagesInstalles reglages(std::move(table));
    EXPECT_EQ(ReglagesDate.FormatDateCourt.Vue(), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Modeles, Traduction,
    testing::Values(CasTraduction{"Japon", LocaleJaponais, "3", "gg yy/MM/dd", "ggg ee/MM/dd"},
                    CasTraduction{"Taiwan", LocaleTaiwan, "4", "yyyy/M/d", "eeee/M/d"},
                    CasTraduction{"TroisYMajuscules", LocaleJaponais, "5", "YYY", "eee"},
                    CasTraduction{"TroisG", LocaleJaponais, "3", "ggg", "gggg"},
                    CasTraduction{"DeuxGMajuscules", LocaleJaponais, "3", "GG", "ggg"},
                    CasTraduction{"CasseMelee", LocaleJaponais, "3", "gG yYyY", "ggg eeee"},
                    // The byte after a lead byte is never read as a letter.
                    CasTraduction{"DeuxOctets", LocaleJaponais, "3", "\x94y yy", "\x94y ee"},
                    CasTraduction{"OctetDeTeteFinal", LocaleJaponais, "3", "yy\x94", "ee\x94"},
                    CasTraduction{"JaponGregorien", LocaleJaponais, "1", "gg yyyy/MM/dd", " yyyy/MM/dd"},
                    CasTraduction{"CoreeGregorien", LocaleCoreen, "1", "Gyyyy.g", "yyyy."},
                    CasTraduction{"FrancaisGarde", LocaleFrancais, "1", "gg dd/MM/yyyy", "gg dd/MM/yyyy"},
                    CasTraduction{"TypeIllisible", LocaleJaponais, "trois", "gg yy", " yy"},
                    CasTraduction{"TypeHexadecimal", LocaleFrancais, "$3", "yy", "ee"},
                    CasTraduction{"TypeAvecBlancs", LocaleFrancais, "  3", "yy", "ee"},
                    CasTraduction{"TypeSuiviDeTexte", LocaleFrancais, "3 ", "yy", "yy"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(LocaleDuThread, ZeroDonneAnglaisEtLesDefauts) {
    ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
    table.LocaleThread = 0;
    ReglagesInstalles reglages(std::move(table));
    EXPECT_EQ(ReglagesDate.IdLocale, AnglaisEtatsUnis);
    EXPECT_EQ(ReglagesDate.LanguePrincipale, LangueAnglais);
    EXPECT_EQ(ReglagesDate.FormatDateCourt.Vue(), "m/d/yy");
    EXPECT_EQ(ReglagesDate.SeparateurDate, '/');
    EXPECT_EQ(ReglagesDate.SymboleAM.Vue(), "am");
    EXPECT_EQ(ReglagesDate.SymbolePM.Vue(), "pm");
}

TEST(LocaleDuThread, SansBitsBasGardeLAnglais) {
    ServicesLocaleTable table = ServicesLocaleTable::Francais(2026);
    table.LocaleThread = 0x30000;
    ReglagesInstalles reglages(std::move(table));
    EXPECT_EQ(ReglagesDate.IdLocale, 0x30000u);
    EXPECT_EQ(ReglagesDate.LanguePrincipale, LangueAnglais);
}

struct CasExtremeOrient {
    const char* nom;
    void (*prepare)(ServicesLocaleTable&);
    bool extremeOrient;
    std::vector<unsigned> octetsDeTete;
};

void PrintTo(const CasExtremeOrient& cas, std::ostream* flux) { *flux << cas.nom; }

class ExtremeOrient : public testing::TestWithParam<CasExtremeOrient> {};

TEST_P(ExtremeOrient, DrapeauEtOctetsDeTete) {
    ServicesLocaleTable table = Japonais();
    GetParam().prepare(table);
    ReglagesInstalles reglages(std::move(table));
    EXPECT_EQ(ReglagesDate.ExtremeOrient, GetParam().extremeOrient);
    std::vector<unsigned> octets;
    for (unsigned octet = 0; octet < 256; ++octet)
        if (ReglagesDate.OctetsDeTete.test(octet)) octets.push_back(octet);
    std::vector<unsigned> attendus;
    for (std::size_t i = 0; i + 1 < GetParam().octetsDeTete.size(); i += 2)
        for (unsigned octet = GetParam().octetsDeTete[i]; octet <= GetParam().octetsDeTete[i + 1]; ++octet)
            attendus.push_back(octet);
    EXPECT_EQ(octets, attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Chargement, ExtremeOrient,
    testing::Values(
        CasExtremeOrient{"Japonais", [](ServicesLocaleTable&) {}, true, {0x81, 0x9F, 0xE0, 0xFC}},
        CasExtremeOrient{"FrancaisSurNT",
                         [](ServicesLocaleTable& table) {
                             table.Elements[LocaleFrancais] = table.Elements[LocaleJaponais];
                             table.LocaleThread = LocaleFrancais;
                         },
                         false,
                         {}},
        CasExtremeOrient{
            "PageDeCodeRefusee", [](ServicesLocaleTable& table) { table.OctetsDeTeteParPage.erase(932); }, false, {}},
        CasExtremeOrient{"PageDeCodeDuSysteme",
                         [](ServicesLocaleTable& table) {
                             table.Retire(IDefaultAnsiCodePage);
                             table.PageSysteme = 932;
                         },
                         true,
                         {0x81, 0x9F, 0xE0, 0xFC}},
        CasExtremeOrient{"PageDeCodeIllisible",
                         [](ServicesLocaleTable& table) {
                             table.Definit(IDefaultAnsiCodePage, "932a");
                             table.PageSysteme = 1252;
                         },
                         false,
                         {}},
        CasExtremeOrient{"PlagesInverseesEtFin",
                         [](ServicesLocaleTable& table) {
                             table.OctetsDeTeteParPage[932] = {{0x90, 0x81}, {0xA0, 0xA1}, {0, 0}, {0xB0, 0xB0}};
                         },
                         true,
                         {0xA0, 0xA1}},
        CasExtremeOrient{"PlageJusquA255",
                         [](ServicesLocaleTable& table) {
                             table.OctetsDeTeteParPage[932] = {{0xFF, 0xFF}};
                         },
                         true,
                         {0xFF, 0xFF}},
        CasExtremeOrient{"AutrePlateformeSansDoubleOctet",
                         [](ServicesLocaleTable& table) {
                             table.Plateforme = 1;
                             table.DoubleOctetActif = 0;
                         },
                         false,
                         {}},
        CasExtremeOrient{"AutrePlateformeDoubleOctet",
                         [](ServicesLocaleTable& table) {
                             table.Plateforme = 1;
                             table.DoubleOctetActif = 1;
                         },
                         true,
                         {0x81, 0x9F, 0xE0, 0xFC}},
        CasExtremeOrient{"PlateformeInconnueFrancaisDoubleOctet",
                         [](ServicesLocaleTable& table) {
                             table.Plateforme.reset();
                             table.DoubleOctetActif = 1;
                             table.Elements[LocaleFrancais] = table.Elements[LocaleJaponais];
                             table.LocaleThread = LocaleFrancais;
                             table.Definit(IDefaultAnsiCodePage, "1252");
                         },
                         true,
                         {}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

struct CasEres {
    const char* nom;
    std::vector<std::string> noms;
    std::vector<std::string> decalages;
    std::vector<std::string> nomsAttendus;
    std::vector<std::int32_t> decalagesAttendus;
};

void PrintTo(const CasEres& cas, std::ostream* flux) { *flux << cas.nom; }

class TablesEres : public testing::TestWithParam<CasEres> {};

TEST_P(TablesEres, NomsEtDecalagesParSlot) {
    ServicesLocaleTable table = Japonais();
    table.DefinitCalendrier(CalJapon, CalSEraString, GetParam().noms);
    table.DefinitCalendrier(CalJapon, CalIYearOffsetRange, GetParam().decalages);
    ReglagesInstalles reglages(std::move(table));
    for (int slot = 1; slot <= 7; ++slot) {
        EXPECT_EQ(ReglagesDate.NomsEres[slot].Vue(), GetParam().nomsAttendus[static_cast<std::size_t>(slot - 1)])
            << slot;
        EXPECT_EQ(ReglagesDate.DecalagesEres[slot], GetParam().decalagesAttendus[static_cast<std::size_t>(slot - 1)])
            << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chargement, TablesEres,
    testing::Values(
        CasEres{"HuitNoms",
                {"1", "2", "3", "4", "5", "6", "7", "8"},
                {"10", "20", "30", "40", "50", "60", "70", "80"},
                {"1", "2", "3", "4", "5", "6", "7"},
                {10, 20, 30, 40, 50, 60, 70}},
        CasEres{"CinqNomsTroisDecalages",
                {"A", "B", "C", "D", "E"},
                {"1989", "1926", "1912"},
                {"A", "B", "C", "D", "E", "", ""},
                {1989, 1926, 1912, -1, -1, -1, -1}},
        CasEres{"DecalageIllisible",
                {"A", "B"},
                {"1989", "Showa"},
                {"A", "B", "", "", "", "", ""},
                {1989, 0, -1, -1, -1, -1, -1}},
        CasEres{"NomVide", {"A", "", "B"}, {"1", "2", "3"}, {"A", "B", "", "", "", "", ""}, {1, 2, 3, -1, -1, -1, -1}},
        CasEres{"Rien", {}, {}, {"", "", "", "", "", "", ""}, {-1, -1, -1, -1, -1, -1, -1}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(TablesEres, EnumerationRefusee) {
    ServicesLocaleTable table = Japonais();
    table.Calendriers.clear();
    ReglagesInstalles reglages(std::move(table));
    EXPECT_TRUE(ReglagesDate.NomsEres[1].EstVide());
    EXPECT_EQ(ReglagesDate.DecalagesEres[1], -1);
}

TEST(TablesEres, CalendrierSansEresLesLaisse) {
    for (const char* calendrier : {"1", "2", "6", "x"}) {
        ServicesLocaleTable table = Japonais();
        ReglagesInstalles reglages(std::move(table));
        ASSERT_EQ(ReglagesDate.NomsEres[1].Vue(), "A");
        reglages.Services().Definit(IOptionalCalendar, calendrier);
        reglages.Services().DefinitCalendrier(CalJapon, CalSEraString, {"Z"});
        reglages.Recharge();
        EXPECT_EQ(ReglagesDate.NomsEres[1].Vue(), "A") << calendrier;
        EXPECT_EQ(ReglagesDate.DecalagesEres[2], 1926) << calendrier;
    }
}

TEST(TablesEres, LocaleOccidentaleLesLaisse) {
    ReglagesInstalles reglages(Japonais());
    reglages.Services().LocaleThread = LocaleFrancais;
    reglages.Services().Elements[LocaleFrancais] = reglages.Services().Elements[LocaleJaponais];
    reglages.Recharge();
    EXPECT_FALSE(ReglagesDate.ExtremeOrient);
    EXPECT_EQ(ReglagesDate.NomsEres[2].Vue(), "B");
    EXPECT_EQ(ReglagesDate.DecalagesEres[2], 1926);
}

TEST(TablesEres, UnRechargementRemplaceLesNoms) {
    ReglagesInstalles reglages(Japonais());
    reglages.Services().DefinitCalendrier(CalJapon, CalSEraString, {"C"});
    reglages.Services().DefinitCalendrier(CalJapon, CalIYearOffsetRange, {"2019"});
    reglages.Recharge();
    EXPECT_EQ(ReglagesDate.NomsEres[1].Vue(), "C");
    EXPECT_TRUE(ReglagesDate.NomsEres[2].EstVide()) << "no name of the old list beside the new offsets";
    EXPECT_EQ(ReglagesDate.DecalagesEres[1], 2019);
    EXPECT_EQ(ReglagesDate.DecalagesEres[2], -1);
}

TEST(Rechargement, SuitLaLocaleDeLUtilisateur) {
    ReglagesFrancais reglages(2026);
    ServicesLocaleTable& services = reglages.Services();
    services.LocaleUtilisateur = LocaleAllemand;
    services.Elements[LocaleAllemand] = services.Elements[LocaleFrancais];
    services.Elements[LocaleAllemand][SDate] = ".";
    services.Elements[LocaleAllemand][SShortDate] = "dd.MM.yyyy";
    services.SetThreadLocale(UtilisateurParDefaut);
    reglages.Recharge();
    EXPECT_EQ(ReglagesDate.IdLocale, LocaleAllemand);
    EXPECT_EQ(ReglagesDate.LanguePrincipale, 0x07u);
    EXPECT_EQ(ReglagesDate.SeparateurDate, '.');
    EXPECT_EQ(ReglagesDate.FenetreSiecle, 50);
}

}  // namespace

namespace {

TEST(NombresDesElements, EntiersEcritsEnTexte) {
    const struct {
        const char* texte;
        std::optional<std::int32_t> valeur;
    } cas[] = {
        {"3", 3},
        {"  3", 3},
        {"+3", 3},
        {"-3", -3},
        {"0012", 12},
        {"$1F", 31},
        {"x1f", 31},
        {"X1F", 31},
        {"0X10", 16},
        {"0x10", 16},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", {}},
        {"-2147483649", {}},
        {"$FFFFFFFF", {}},
        {"99999999999999999999999", {}},
        {"", {}},
        {" ", {}},
        {"3 ", {}},
        {"\t3", {}},
        {"abc", {}},
        {"0x", {}},
        {"$", {}},
        {"+-3", {}},
        {"1.5", {}},
    };
    for (const auto& c : cas) EXPECT_EQ(LitEntierLocale(c.texte), c.valeur) << c.texte;
}

}  // namespace
