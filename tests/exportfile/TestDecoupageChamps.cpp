// Field splitting and the text operations under it.
#include "exportfile/DecoupageChamps.h"

#include "dates/ChargeReglagesDate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct CasDecoupe {
    std::string ligne;
    int pas;
    std::vector<std::string> champs;
    std::string reste;
};

const CasDecoupe casDecoupe[] = {
    {"un;deux;trois", 2, {"un", "deux"}, "trois"},
    {"un;deux;trois", 3, {"un", "deux", ""}, "trois"},
    {"un;deux;trois;quatre", 2, {"un", "deux"}, "trois;quatre"},
    {";deux", 1, {""}, "deux"},
    {"un;", 1, {"un"}, ""},
    {"un;;trois;", 4, {"un", "", "trois", ""}, ""},
    {"unique", 2, {"", ""}, "unique"},
    {"", 2, {"", ""}, ""},
    {"1;2;3;4;5;N", 6, {"1", "2", "3", "4", "5", ""}, "N"},
    {"1;2;3;4;5;N;", 6, {"1", "2", "3", "4", "5", "N"}, ""},
    {"a\0b;c;d"s, 2, {"", ""}, "a\0b;c;d"s},
    {"a;b\0;c"s, 3, {"a", "", ""}, "b\0;c"s},
    {"\xE9t\xE9;\xFF;", 2, {"\xE9t\xE9", "\xFF"}, ""},
    {std::string(40, 'a') + ";" + std::string(17, 'b') + ";c", 2, {std::string(40, 'a'), std::string(17, 'b')}, "c"},
};

// Steps k = 1 to n, each in a cut of its own or all in one cut.
void Decoupe(Texte& ligne, TableChamps& champ, int n, bool enUneCoupe) {
    if (!enUneCoupe) {
        for (int k = 1; k <= n; ++k) LigneEnCoupe(ligne).DecoupeChamp(champ, k);
        return;
    }
    LigneEnCoupe coupe(ligne);
    for (int k = 1; k <= n; ++k) coupe.DecoupeChamp(champ, k);
}

TEST(DecoupeChamp, DonneLesChampsEtLeResteDeLaTable) {
    for (const CasDecoupe& c : casDecoupe) {
        for (const bool enUneCoupe : {false, true}) {
            TableChamps champ;
            champ.Remplit(Texte("ancien"));
            Texte ligne(c.ligne);
            Decoupe(ligne, champ, c.pas, enUneCoupe);
            for (int k = 1; k <= c.pas; ++k)
                EXPECT_EQ(champ[k].Octets(), c.champs[static_cast<std::size_t>(k - 1)]) << c.ligne << " champ " << k;
            EXPECT_EQ(champ[c.pas + 1], Texte("ancien")) << c.ligne;
            EXPECT_EQ(ligne.Octets(), c.reste) << c.ligne;
        }
    }
}

TEST(DecoupeChamp, LesChampsNonEcritsGardentLaLignePrecedente) {
    TableChamps champ;
    Texte ligne("a;b;c;d;");
    Decoupe(ligne, champ, 4, true);
    ligne = Texte("x;y;");
    Decoupe(ligne, champ, 2, true);
    EXPECT_EQ(champ[1], Texte("x"));
    EXPECT_EQ(champ[2], Texte("y"));
    EXPECT_EQ(champ[3], Texte("c"));
    EXPECT_EQ(champ[4], Texte("d"));
}

TEST(DecoupeChamp, Jusqua64Champs) {
    std::string ligne;
    for (int k = 1; k <= 64; ++k) ligne += std::to_string(k) + ";";
    Texte texte(ligne);
    TableChamps champ;
    Decoupe(texte, champ, 64, true);
    for (int k = 1; k <= 64; ++k) EXPECT_EQ(champ[k].Octets(), std::to_string(k));
    EXPECT_TRUE(texte.EstVide());
}

struct CasPosition {
    std::string motif, texte;
    std::int32_t attendu;
};

TEST(PositionTexte, CherchePremiereOccurrenceAvantLeZero) {
    const CasPosition cas[] = {
        {";", "ab;cd;", 3},
        {"", "abc", 0},
        {";", "", 0},
        {"cd", "abcdcd", 3},
        {"CD", "abcd", 0},
        {";", "\0;"s, 0},
        {";", "ab\0;"s, 0},
        {"b;", "ab;"s, 2},
        {"b\0x"s, "ab;", 2},
        {"\0"s, "abc", 0},
        {"TABRENNV3", "x;TABRENNV3;", 3},
        {"ab", "a", 0},
    };
    for (const CasPosition& c : cas) EXPECT_EQ(PositionTexte(Texte(c.motif), Texte(c.texte)), c.attendu) << c.texte;
}

// Under Far-East settings, an occurrence that starts on the second byte of a
// two-byte character does not count.
TEST(PositionTexte, PasseLesSecondsOctetsEnExtremeOrient) {
    const TReglagesDate sauve = ReglagesDate;
    ReglagesDate.ExtremeOrient = true;
    ReglagesDate.OctetsDeTete.reset();
    for (int octet = 0x81; octet <= 0x9F; ++octet) ReglagesDate.OctetsDeTete.set(static_cast<std::size_t>(octet));
    const CasPosition cas[] = {
        {";", "\x81;a;", 4},          // ";" is the second byte of \x81;
        {";", "\x81\x81;", 3},        // two lead bytes: a whole character, then ";"
        {";", "\x81\x81\x81;a;", 6},  // odd run: ";" is taken
        {";", "a\x81;", 0},          {";", "ab;", 3},
    };
    for (const CasPosition& c : cas) EXPECT_EQ(PositionTexte(Texte(c.motif), Texte(c.texte)), c.attendu) << c.texte;
    TableChamps champ;
    Texte ligne("\x81;a;\x81\x81;b");
    Decoupe(ligne, champ, 2, true);
    EXPECT_EQ(champ[1], Texte("\x81;a"));
    EXPECT_EQ(champ[2], Texte("\x81\x81"));
    EXPECT_EQ(ligne, Texte("b"));
    ReglagesDate.ExtremeOrient = false;
    EXPECT_EQ(PositionTexte(Texte(";"), Texte("\x81;a;")), 2);
    ReglagesDate = sauve;
}

TEST(TextesEgaux, ExactsOctetPourOctet) {
    EXPECT_TRUE(TextesEgaux(Texte("N"), Texte("N")));
    EXPECT_TRUE(TextesEgaux(Texte(""), Texte("")));
    EXPECT_TRUE(TextesEgaux(Texte("a\0b"s), Texte("a\0b"s)));
    for (const char* autre : {"n", "N ", " N", ""}) EXPECT_FALSE(TextesEgaux(Texte("N"), Texte(autre))) << autre;
    EXPECT_FALSE(TextesEgaux(Texte("a\0b"s), Texte("a\0c"s)));
}

}  // namespace
