#include <gtest/gtest.h>

#include "data/Utf8Text.h"

TEST(Utf8TextTest, TellsUtf8FromLatin1)
{
    struct Case {
        std::string text;
        bool utf8;
    };
    for (const Case& c : {
             Case{"", true},
             Case{"Brenna", true},
             Case{"\xC3\x89owyn d'Arc", true},      // Éowyn
             Case{"\xE2\x82\xAC", true},              // the euro sign
             Case{"\xF0\x9F\x97\xA1", true},          // four bytes
             Case{"\xC9owyn", false},                 // Éowyn in Latin-1
             Case{"caf\xC3", false},                  // cut after the lead byte
             Case{"\xC0\xAF", false},                 // overlong slash
             Case{"\xED\xA0\x80", false},             // a surrogate
             Case{"\xF4\x90\x80\x80", false},         // beyond U+10FFFF
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsUtf8(c.text), c.utf8);
    }
}

TEST(Utf8TextTest, Latin1BecomesUtf8AndUtf8StaysAsItIs)
{
    EXPECT_EQ(AsUtf8("\xC3\x89owyn"), "\xC3\x89owyn");
    EXPECT_EQ(AsUtf8("\xC9owyn"), "\xC3\x89owyn");
    EXPECT_EQ(AsUtf8("\xFF"), "\xC3\xBF");
    EXPECT_EQ(AsUtf8("plain"), "plain");
}

TEST(Utf8TextTest, CountsAndCutsWholeCharacters)
{
    struct Case {
        std::string text;
        size_t count;
        size_t keep;
        std::string kept;
    };
    for (const Case& c : {
             Case{"Brenna", 6, 3, "Bre"},
             Case{"\xC3\x89owyn d'Arc", 11, 1, "\xC3\x89"},
             Case{"\xC3\x89owyn d'Arc", 11, 20, "\xC3\x89owyn d'Arc"},
             Case{"\xC3\xA9\xC3\xA9\xC3\xA9", 3, 2, "\xC3\xA9\xC3\xA9"},
             // Latin-1: a byte is a character.
             Case{"\xE9\xE9\xE9", 3, 2, "\xE9\xE9"},
             Case{"", 0, 5, ""},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CharacterCount(c.text), c.count);
        EXPECT_EQ(FirstCharacters(c.text, c.keep), c.kept);
    }
}
