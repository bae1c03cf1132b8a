// Conversions at the edges between code pages and UTF-8.
#include "platform/pagedecode/PageDeCode.h"

#include <gtest/gtest.h>

namespace {

TEST(PageDeCode, Windows1252ToUtf8) {
    const struct {
        std::string_view cp1252;
        std::string_view utf8;
    } cas[] = {
        {"D\xE9"
         "c\xE8s",
         "Décès"},
        {"\x80 \x9C \xE7", "€ œ ç"},
        {std::string_view("z\0z", 3), std::string_view("z\0z", 3)},
        {"", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(VersUtf8(c.cp1252, 1252), c.utf8);
}

TEST(PageDeCode, Utf8ToWindows1252) {
    EXPECT_EQ(DepuisUtf8("Accès €", 1252), Texte("Acc\xE8s \x80"));
    EXPECT_EQ(DepuisUtf8("日本", 1252), Texte("??"));
}

// A byte that cannot be converted becomes U+FFFD, and the caller is told;
// the byte after it starts a character again.
TEST(PageDeCode, DoubleByteCodePage) {
    const struct {
        std::string_view cp932;
        std::string_view utf8;
        bool remplacement;
    } cas[] = {
        {"\x93\xFA\x96\x7B \xB1", "日本 ｱ", false},
        {"a\x93", "a\uFFFD", true},
        {"\x93 b", "\uFFFD b", true},
        {"00004/0027\x85", "00004/0027\uFFFD", true},
    };
    for (const auto& c : cas) {
        bool remplacement = !c.remplacement;
        EXPECT_EQ(VersUtf8(c.cp932, 932, &remplacement), c.utf8) << c.cp932;
        EXPECT_EQ(remplacement, c.remplacement) << c.cp932;
    }
}

}  // namespace

namespace {

TEST(PageDeCode, BetweenCharacterSets) {
    EXPECT_EQ(ConvertitJeu("é€", "UTF-8", "ISO-8859-15"), "\xE9\xA4");
    EXPECT_EQ(ConvertitJeu("\xE9\xA4", "ISO-8859-15", "UTF-8"), "é€");
    // Invalid input and characters the target lacks never stop the text.
    EXPECT_EQ(ConvertitJeu("a\xFF"
                           "b",
                           "UTF-8", "ISO-8859-15"),
              "a?b");
    EXPECT_EQ(ConvertitJeu("日b", "UTF-8", "ISO-8859-15").back(), 'b');
}

}  // namespace
