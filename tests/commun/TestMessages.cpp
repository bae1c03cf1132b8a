// The table of messages, its formatting, and the final period of failure
// messages.
#include "commun/MessageErreur.h"
#include "commun/Messages.h"

#include <gtest/gtest.h>

namespace {

TEST(Messages, EntriesAreInWindows1252) {
    EXPECT_EQ(ChaineRessource(Msg::DateIncorrecte), Texte("'%s' n'est pas une date correcte"));
    EXPECT_EQ(ChaineRessource(Msg::AccesRefuse), Texte("Acc\xE8s au fichier refus\xE9"));
    EXPECT_EQ(ChaineRessource(Msg::ProprieteHorsLimites), Texte("Propri\xE9t\xE9 %s hors limites"));
    EXPECT_EQ(ChaineRessource(Msg::Deces), Texte("D\xE9"
                                                 "c\xE8s"));
    EXPECT_EQ(ChaineRessource(Msg::ControleTermine), Texte("Contr\xF4le termin\xE9 !"));
    EXPECT_TRUE(ChaineRessource(42).EstVide());
}

struct CasTable {
    std::string_view table;
    int malFormee;  // the first malformed line, 0: none
    int enDouble;   // the first line whose number an earlier entry has, 0: none
};

// What stops the build on a fault of resources/messages.txt.
TEST(Messages, LesFautesDeLaTableSontTrouvees) {
    const CasTable cas[] = {
        {"# note\n\n1\tun\n65535\tfin", 0, 0},
        {"1\tun\n2 deux\n", 2, 0},
        {"\t2\n", 1, 0},
        {"2\t\n", 1, 0},
        {"1x\tun\n", 1, 0},
        {"0\tzero\n", 1, 0},
        {"65536\tun\n", 1, 0},
        {"123456\tun\n", 1, 0},
        {"1\tun\r\n", 1, 0},
        {" 1\tun\n", 1, 0},
        {"1\tun\n2\tdeux\n# 1\tnote\n1\tencore\n", 0, 4},
    };
    for (const CasTable& c : cas) {
        EXPECT_EQ(PremiereLigneMalFormee(c.table), c.malFormee) << c.table;
        EXPECT_EQ(PremiereEntreeEnDouble(c.table), c.enDouble) << c.table;
    }
    EXPECT_TRUE(ContientEntree("1\tun\n65535\tfin", 65535));
    EXPECT_FALSE(ContientEntree("1\tun\n# 2\tdeux\n", 2));
}

struct CasFormat {
    const char* modele;
    std::initializer_list<ArgumentMessage> arguments;
    const char* attendu;
};

TEST(Messages, FormatsTextsAndNumbersInOrder) {
    const CasFormat cas[] = {
        {"'%s' n'est pas une date correcte", {Texte("31/02/1850")}, "'31/02/1850' n'est pas une date correcte"},
        {"'%s' n'est pas une date correcte", {Texte("")}, "'' n'est pas une date correcte"},
        {"Erreur E/S %d", {std::int32_t{104}}, "Erreur E/S 104"},
        {"Erreur E/S %d", {std::int32_t{-7}}, "Erreur E/S -7"},
        {"entre %d et %d", {std::int32_t{0}, std::int32_t{65535}}, "entre 0 et 65535"},
        {"100%% %s", {Texte("s\xFBr")}, "100% s\xFBr"},
        {"%s sans argument", {}, "%s sans argument"},
        {"%d de travers", {Texte("x")}, "%d de travers"},
        {"fin en %", {}, "fin en %"},
    };
    for (const auto& c : cas) EXPECT_EQ(FormateMessage(Texte(c.modele), c.arguments), Texte(c.attendu)) << c.modele;
}

TEST(Messages, ArgumentMayHoldZeroBytes) {
    const Texte avecZero(std::string_view("a\0b", 3));
    EXPECT_EQ(MessageRessource(Msg::DateIncorrecte, {avecZero}).Longueur(), 33);
}

}  // namespace

struct CasPointFinal {
    const char* message;
    const char* affiche;
};

TEST(Messages, FailureMessagesGetAFinalPeriodAfterALetterDigitOrSign) {
    const CasPointFinal cas[] = {
        {"Fichier introuvable", "Fichier introuvable."},
        {"Erreur E/S 103", "Erreur E/S 103."},
        {"Attention !", "Attention !"},
        {"Fin.", "Fin."},
        {"a, b- (c) ", "a, b- (c) "},
        {"a/", "a/."},
        {"d\xE9j\xE0", "d\xE9j\xE0."},
        {"", ""},
        // A two-byte character of code page 932 last.
        {"\x82\xA0", "\x82\xA0."},
    };
    for (const auto& c : cas) EXPECT_EQ(AvecPointFinal(Texte(c.message)), Texte(c.affiche)) << c.message;
}
