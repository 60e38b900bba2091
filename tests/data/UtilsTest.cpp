#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/Utils.h"
#include "session/Process.h"
#include "platform/FixedCanvas.h"
#include "support/TempFolder.h"

using Lines = std::vector<std::string>;

TEST(UtilsTest, LeftAndRight)
{
    EXPECT_EQ(LeftStr("Cindervale", 6), "Cinder");
    EXPECT_EQ(LeftStr("abc", 10), "abc");
    EXPECT_EQ(LeftStr("abc", 0), "");
    EXPECT_EQ(LeftStr("abc", -2), "");
    EXPECT_EQ(RightStr("Cindervale", 4), "vale");
    EXPECT_EQ(RightStr("abc", 10), "abc");
    EXPECT_EQ(RightStr("abc", 0), "");
}

TEST(UtilsTest, CutsCountCharactersAndNeverSplitOne)
{
    struct Case {
        std::string text;
        int n;
        std::string left;
        std::string right;
    };
    for (const Case& c : {
             Case{"Brunhildeaaaaaaaaaa\xC3\xA9x", 20, "Brunhildeaaaaaaaaaa\xC3\xA9", "runhildeaaaaaaaaaa\xC3\xA9x"},
             Case{"\xC3\xA9t\xC3\xA9", 2, "\xC3\xA9t", "t\xC3\xA9"},
             Case{"\xE2\x82\xAC\xF0\x9F\x94\xA5!", 1, "\xE2\x82\xAC", "!"},
             Case{"\xE2\x82\xAC\xF0\x9F\x94\xA5!", 2, "\xE2\x82\xAC\xF0\x9F\x94\xA5", "\xF0\x9F\x94\xA5!"},
             // Latin-1 text, or a sequence cut short, counts a byte a character.
             Case{"caf\xE9s", 4, "caf\xE9", "af\xE9s"},
             Case{"ab\xC3", 2, "ab", "b\xC3"},
             Case{"\xC3(x", 1, "\xC3", "x"},
         })
        EXPECT_TRUE(LeftStr(c.text, c.n) == c.left && RightStr(c.text, c.n) == c.right) << c.text << " " << c.n;
}

TEST(UtilsTest, SplitToListKeepsEveryPiece)
{
    struct Case {
        std::string text;
        Lines pieces;
    };
    for (const Case& c : {Case{"a|b|", {"a", "b", ""}}, Case{"", {""}}, Case{" x | y\t", {"x", "y"}},
                          Case{"||", {"", "", ""}}, Case{"one", {"one"}}}) {
        SCOPED_TRACE(c.text);
        Lines list;
        SplitToList(c.text, '|', list);
        EXPECT_EQ(list, c.pieces);
    }
    Lines list{"kept"};
    SplitToList("new", '|', list);
    EXPECT_EQ(list, (Lines{"kept", "new"}));
}

TEST(UtilsTest, SplitToIntegersSkipsEmptyPieces)
{
    struct Case {
        std::string text;
        std::vector<int32_t> numbers;
    };
    for (const Case& c : {Case{"2|4|8", {2, 4, 8}}, Case{"||", {}}, Case{"7", {7}}, Case{"x", {0}},
                          Case{" 3 ||-1|", {3, -1}}, Case{"", {}}}) {
        SCOPED_TRACE(c.text);
        std::vector<int32_t> numbers{99};
        SplitToIntegers(c.text, '|', numbers);
        EXPECT_EQ(numbers, c.numbers);
    }
}

TEST(UtilsTest, DiceTotal)
{
    ResetProcess();
    Process().Random.Seed(7);
    for (int i = 0; i < 200; ++i) {
        const int total = DiceTotal(4, 6);
        EXPECT_GE(total, 4);
        EXPECT_LE(total, 24);
    }
    EXPECT_EQ(DiceTotal(0, 6), 0);
    EXPECT_EQ(DiceTotal(3, 0), 0);
    EXPECT_EQ(DiceTotal(-1, 6), 0);
    Process().Random.Force({5, 0, 2});
    EXPECT_EQ(DiceTotal(3, 6), 6 + 1 + 3);
    // Large rolls are not folded into 8 bits.
    Process().Random.Force(std::vector<int>(30, 9));
    EXPECT_EQ(DiceTotal(30, 10), 300);
    ResetProcess();
}

TEST(UtilsTest, DeleteFolder)
{
    TTempFolder temp;
    const std::filesystem::path root = temp / "Save1";
    std::filesystem::create_directories(root / "sub" / "deeper");
    std::ofstream(root / "data") << "x";
    std::ofstream(root / "sub" / "Global.dat") << "y";
    std::ofstream(root / "sub" / "deeper" / "Timed.dat") << "z";
    EXPECT_TRUE(DeleteFolder(root.string()));
    EXPECT_FALSE(std::filesystem::exists(root));
    EXPECT_TRUE(DeleteFolder(root.string()));
    EXPECT_TRUE(DeleteFolder(""));

    // A link to a folder outside is removed, not followed.
    const std::filesystem::path outside = temp / "outside";
    std::filesystem::create_directories(outside);
    std::ofstream(outside / "keep") << "k";
    std::filesystem::create_directories(root);
    std::filesystem::create_directory_symlink(outside, root / "link");
    EXPECT_TRUE(DeleteFolder(root.string()));
    EXPECT_TRUE(std::filesystem::exists(outside / "keep"));
}

TEST(UtilsTest, WrapLinesBreaksAtBreakCharacters)
{
    TFixedCanvas canvas(10);
    struct Case {
        const char* name;
        Lines source;
        int width;
        Lines wrapped;
    };
    const Case cases[] = {
        {"blank lines", {"", " "}, 100, {" ", " "}},
        {"fits", {"short line"}, 100, {"short line"}},
        // The break stays at the end of the piece it closes; the rest is read again.
        {"cut at last break", {"aaa bbb ccc"}, 80, {"aaa bbb ", "ccc"}},
        {"two cuts", {"aaa bbb ccc ddd"}, 80, {"aaa bbb ", "ccc ddd"}},
        {"dash breaks too", {"ember-heart glow"}, 100, {"ember-", "heart glow"}},
        // A break as the very character that overflows falls back to the break before.
        {"overflow on the break", {"aa bbbbbb cc"}, 90, {"aa ", "bbbbbb cc"}},
        {"lines stay apart", {"one", "", "two"}, 100, {"one", " ", "two"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lines target{"before"};
        WrapLines(c.source, target, canvas, " -", c.width);
        Lines expected{"before"};
        expected.insert(expected.end(), c.wrapped.begin(), c.wrapped.end());
        EXPECT_EQ(target, expected);
    }
}

TEST(UtilsTest, WrapLinesNeverLosesText)
{
    // Wide letters after a long first piece: the break position kept from that
    // piece lies beyond the next one.
    TFixedCanvas canvas(10);
    canvas.Wide = "W";
    Lines target;
    WrapLines({"aaaaaaaa WWWWWWWW"}, target, canvas, " ", 90);
    std::string joined;
    for (const std::string& piece : target) {
        EXPECT_LE(canvas.TextWidth(piece), 90) << piece;
        joined += piece;
    }
    EXPECT_EQ(joined, "aaaaaaaa WWWWWWWW");
}
