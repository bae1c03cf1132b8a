// Date recognition under French settings with the clock held in a year:
// accepted texts with their day, refused texts, and the refusal's message.
#include "SerieAttendue.h"
#include "commun/Exceptions.h"
#include "dates/ReconnaitDate.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CasAccepte {
    std::string texte;
    TDateSerie date;
};

// The text as a test name shows it: printable ASCII, other bytes in hex, at
// most 40 bytes.
std::string Apercu(const std::string& texte) {
    std::string apercu;
    for (const char c : texte.substr(0, 40)) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet >= 0x20 && octet < 0x7F) {
            apercu += c;
        } else {
            const char* chiffres = "0123456789ABCDEF";
            apercu += std::string("\\x") + chiffres[octet >> 4] + chiffres[octet & 15];
        }
    }
    return apercu;
}

void PrintTo(const CasAccepte& cas, std::ostream* flux) { *flux << Apercu(cas.texte); }

struct CasRefuse {
    CasRefuse(const char* zeroTermine) : texte(zeroTermine) {}
    CasRefuse(std::string octets) : texte(std::move(octets)) {}
    std::string texte;
};

void PrintTo(const CasRefuse& cas, std::ostream* flux) { *flux << Apercu(cas.texte); }

class DateFrancaiseAcceptee : public testing::TestWithParam<CasAccepte> {};

TEST_P(DateFrancaiseAcceptee, DonneLeJour) {
    ReglagesFrancais reglages(2026);
    TDateSerie date = -1e9;
    ASSERT_TRUE(TenteReconnaitDate(GetParam().texte, date)) << GetParam().texte;
    EXPECT_EQ(date, GetParam().date);
    EXPECT_EQ(ReconnaitDate(GetParam().texte), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    Francais2026, DateFrancaiseAcceptee,
    testing::Values(CasAccepte{"29/02/2000", Serie(2000, 2, 29)}, CasAccepte{"29/02/1852", Serie(1852, 2, 29)},
                    CasAccepte{"30/12/1899", 0}, CasAccepte{"31/12/1899", 1}, CasAccepte{"01/01/1900", 2},
                    CasAccepte{"01/01/0001", -693593}, CasAccepte{"31/12/9999", 2958465},
                    CasAccepte{"12/05", Serie(2026, 5, 12)}, CasAccepte{"12/05/1850/", Serie(1850, 5, 12)},
                    CasAccepte{"1/1/5", Serie(2005, 1, 1)}, CasAccepte{"12/05/49", Serie(2049, 5, 12)},
                    CasAccepte{"12/05/50", Serie(2050, 5, 12)}, CasAccepte{"12/05/75", Serie(2075, 5, 12)},
                    CasAccepte{"12/05/76", Serie(1976, 5, 12)}, CasAccepte{"29/02/76", Serie(1976, 2, 29)},
                    CasAccepte{"29/02/00", Serie(2000, 2, 29)}, CasAccepte{"29/02/0", Serie(2000, 2, 29)},
                    CasAccepte{"1/1/005", Serie(5, 1, 1)}, CasAccepte{"12/05/01999", Serie(1999, 5, 12)},
                    CasAccepte{"0012/005/1850", Serie(1850, 5, 12)}, CasAccepte{" 12 / 05 / 1850 ", Serie(1850, 5, 12)},
                    CasAccepte{"  12  /05  /  1850  /  ", Serie(1850, 5, 12)},
                    CasAccepte{"1/3/1600", Serie(1600, 3, 1)}, CasAccepte{"29/02/1600", Serie(1600, 2, 29)},
                    CasAccepte{std::string(300, '0') + "12/05/1850", Serie(1850, 5, 12)},
                    // The digit count is kept modulo 256: 255 digits are a
                    // year as typed, 256 count as none and are completed.
                    CasAccepte{"1/1/" + std::string(254, '0') + "5", Serie(5, 1, 1)},
                    CasAccepte{"1/1/" + std::string(255, '0') + "5", Serie(2005, 1, 1)}));

class DateFrancaiseRefusee : public testing::TestWithParam<CasRefuse> {};

TEST_P(DateFrancaiseRefusee, LeveEConvertError) {
    ReglagesFrancais reglages(2026);
    TDateSerie date = 42;
    const std::string& texte = GetParam().texte;
    EXPECT_FALSE(TenteReconnaitDate(texte, date)) << texte;
    EXPECT_EQ(date, 42) << "a refusal leaves the date alone";
    EXPECT_THROW(ReconnaitDate(texte), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(Francais2026, DateFrancaiseRefusee,
                         testing::Values("31/02/1850", "29/02/1900", "29/02/1700", "00/01/1850", "01/00/1850",
                                         "12/13/1850", "32/01/1850", "29/02", "12/05/", "12/05/1850//", "29/02/75",
                                         "29/02/000", "1/1/00000", "1/1/0000", "12/05/19999", "12/05/10000",
                                         "12345/05/1850", "1 2/05/1850", "\t12/05/1850",
                                         "\xA0"
                                         "12/05/1850",
                                         "12-05-1850", "12.05.1850", "12/05/1850a", "12/05/1850 a", "12/05/1850 10:00",
                                         "1850", "12//05/1850", "+12/05/1850", "12/05/-1850", "12/05/+1850", "", " ",
                                         "/", "12/", "12/05/1850\n", std::string("12/05/1850\0", 11),
                                         std::string("\0", 1), "1/1/" + std::string(254, '0')));

TEST(MessageDeRefus, RepriseDuTexteTelQuel) {
    ReglagesFrancais reglages(2026);
    const struct {
        std::string texte, message;
    } cas[] = {{"31/02/1850", "'31/02/1850' n'est pas une date correcte"},
               {"", "'' n'est pas une date correcte"},
               {" 1/13/2000 ", "' 1/13/2000 ' n'est pas une date correcte"}};
    for (const auto& c : cas) {
        try {
            ReconnaitDate(c.texte);
            ADD_FAILURE() << c.texte;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message().Vue(), c.message);
        }
    }
}

TEST(TextesDeGrandeTaille, UnVerdictSansPeine) {
    ReglagesFrancais reglages(2026);
    const std::string megaoctets(4 << 20, ' ');
    const std::string zeros(4 << 20, '0');
    const struct {
        std::string texte;
        bool accepte;
    } cas[] = {
        {"12/05/1850" + megaoctets, true},
        {megaoctets + "12/05/1850", true},
        {zeros + "12/05/1850", true},
        // 4 Mi zeros count as 0 digits (modulo 256): the year 0 completed to 2000.
        {"12/05/" + zeros, true},
        {"12/05/" + zeros.substr(1), false},
        {"12/05/1850" + megaoctets + "x", false},
        {std::string(4 << 20, '\0'), false},
        {std::string(4 << 20, '\xFF'), false},
    };
    for (const auto& c : cas) {
        TDateSerie date = 0;
        EXPECT_EQ(TenteReconnaitDate(c.texte, date), c.accepte) << c.texte.size();
    }
}

TEST(AnneeDeLHorloge, VingtNeufFevrierSelonLAnnee) {
    TDateSerie date = 0;
    {
        ReglagesFrancais reglages(2028);
        EXPECT_TRUE(TenteReconnaitDate("29/02", date));
        EXPECT_EQ(date, Serie(2028, 2, 29));
    }
    ReglagesFrancais reglages(2026);
    EXPECT_FALSE(TenteReconnaitDate("29/02", date));
    reglages.Services().Annee = 2100;
    EXPECT_FALSE(TenteReconnaitDate("29/02", date)) << "the clock is read at every call";
    EXPECT_TRUE(TenteReconnaitDate("1/1/49", date));
    EXPECT_EQ(date, Serie(2149, 1, 1)) << "the window follows the clock";
}

}  // namespace
