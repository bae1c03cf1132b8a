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
        // The five bytes Windows-1252 leaves undefined keep their value.
        {"a\x81"
         "b\x8D"
         "c\x8F"
         "d\x90"
         "e\x9D",
         "a\xC2\x81"
         "b\xC2\x8D"
         "c\xC2\x8F"
         "d\xC2\x90"
         "e\xC2\x9D"},
        {std::string_view("z\0z", 3), std::string_view("z\0z", 3)},
        {"", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(VersUtf8(c.cp1252, 1252), c.utf8);
}

TEST(PageDeCode, Utf8ToWindows1252) {
    EXPECT_EQ(DepuisUtf8("Accès €", 1252), Texte("Acc\xE8s \x80"));
    EXPECT_EQ(DepuisUtf8("日本", 1252), Texte("??"));
}

TEST(PageDeCode, DoubleByteCodePage) {
    EXPECT_EQ(VersUtf8("\x93\xFA\x96\x7B", 932), "日本");
    // A lone lead byte at the end is kept as the character of its value.
    EXPECT_EQ(VersUtf8("a\x93", 932), "a\xC2\x93");
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
