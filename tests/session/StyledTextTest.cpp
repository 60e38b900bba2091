#include <gtest/gtest.h>

#include "platform/OutputPane.h"
#include "session/StyledText.h"
#include "support/EngineFixture.h"

namespace {

TFont Defaults()
{
    return TFont{};
}

TFont With(TColor color, int size = 9)
{
    TFont font;
    font.Color = color;
    font.Size = size;
    return font;
}

} // namespace

TEST(StyledTextTest, RunsTakeTheTagInFrontOfThem)
{
    TOutputPane pane;
    EXPECT_EQ(AppendText(pane, "~<c:YELLOW;s:14>TIP~<>"), "");
    EXPECT_EQ(AppendText(pane, "Plain ~<b;>bold~<> back to plain"), "");
    EXPECT_EQ(AppendText(pane, "~<c:LIME>Your journal has been updated."), "c:LIME");
    ASSERT_EQ(pane.Paragraphs().size(), 3u);

    const auto& tip = pane.Paragraphs()[0].Runs;
    ASSERT_EQ(tip.size(), 1u);
    EXPECT_EQ(tip[0].Text, "TIP");
    EXPECT_EQ(tip[0].Font, With(0xFFFF00, 14));

    const auto& mixed = pane.Paragraphs()[1].Runs;
    ASSERT_EQ(mixed.size(), 3u);
    EXPECT_EQ(mixed[0].Font, Defaults());
    EXPECT_TRUE(mixed[1].Font.Bold);
    EXPECT_EQ(mixed[1].Text, "bold");
    EXPECT_EQ(mixed[2].Text, " back to plain");
    EXPECT_EQ(mixed[2].Font, Defaults());

    const auto& lime = pane.Paragraphs()[2].Runs;
    ASSERT_EQ(lime.size(), 1u);
    EXPECT_EQ(lime[0].Font.Color, 0x00FF00u);
}

TEST(StyledTextTest, StyleItems)
{
    struct Case {
        const char* items;
        TFont font;
    };
    TFont orangeBold = With(0xFF8000);
    orangeBold.Bold = true;
    TFont boldItalic;
    boldItalic.Bold = boldItalic.Italic = true;
    TFont blankFont;
    blankFont.Name = " Times New Roman";
    TFont sized = With(clWhite, 12);
    TFont underStrike;
    underStrike.Underline = underStrike.StrikeOut = true;
    TFont later = With(0x0000FF);
    const Case cases[] = {
        {"c:#ff8000;b;", orangeBold},
        {"c:#GG8000", With(clWhite)},
        {"c:#fff;", With(clWhite)},
        {"c:#12345;", With(clWhite)},
        {"c:NOSUCH;", Defaults()},
        {"c:red;c:blue", later},
        {"s:big;", sized},
        {" b ; i ;", boldItalic},
        {"f: Times New Roman;", blankFont},
        {"u;s;", underStrike},
        {"B;x;;", Defaults()},
        {"c:#6AD6F4;b;", [] { TFont f = With(0x6AD6F4); f.Bold = true; return f; }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items);
        TOutputPane pane;
        AppendText(pane, std::string("~<") + c.items + ">x");
        ASSERT_EQ(pane.Paragraphs().back().Runs.size(), 1u);
        EXPECT_EQ(pane.Paragraphs().back().Runs[0].Font, c.font);
    }
}

TEST(StyledTextTest, ParagraphAlignmentAndBullet)
{
    TOutputPane pane;
    AppendText(pane, "~<taCenter;b>Title");
    AppendText(pane, "~<taRight;Bullet>item");
    AppendText(pane, "~<taCenter>first~<b>then left");
    EXPECT_EQ(pane.Paragraphs()[0].Alignment, TAlignment::Center);
    EXPECT_EQ(pane.Paragraphs()[1].Alignment, TAlignment::Right);
    EXPECT_TRUE(pane.Paragraphs()[1].Bullet);
    // A later tag that does not repeat the alignment sets the paragraph back to left.
    EXPECT_EQ(pane.Paragraphs()[2].Alignment, TAlignment::Left);
}

TEST(StyledTextTest, UnmatchedTagsPrintLiterally)
{
    TOutputPane pane;
    AppendText(pane, "Hello ~<c:RED;b");
    AppendText(pane, "~<b>bold ~<i no end");
    AppendText(pane, "");
    AppendText(pane, "a > b ~<i>c");
    EXPECT_EQ(pane.WrittenText(), "Hello ~<c:RED;b\nbold ~<i no end\n\na > b c\n");
    const auto& literal = pane.Paragraphs()[1].Runs;
    ASSERT_EQ(literal.size(), 2u);
    EXPECT_TRUE(literal[0].Font.Bold);
    EXPECT_EQ(literal[1].Text, "~<i no end");
    EXPECT_EQ(literal[1].Font, Defaults());
    EXPECT_TRUE(pane.Paragraphs()[2].Runs.empty());
}

TEST(StyledTextTest, DefaultFontSizeFollowsThePane)
{
    TOutputPane pane;
    pane.DefaultFont.Size = 11;
    AppendText(pane, "~<b>x~<>y");
    EXPECT_EQ(pane.Paragraphs()[0].Runs[0].Font.Size, 11);
    EXPECT_EQ(pane.Paragraphs()[0].Runs[1].Font.Size, 11);
}

class PagedTextTest : public EngineFixture {};

TEST_F(PagedTextTest, PagesWaitForContinueAndCarryTheLastTag)
{
    OpenSession();
    // The script checks the first page is out and the play controls are hidden
    // before it picks "Continue...".
    Queue("expect !third\n"
          "expect-control LblChoice1 caption 1. Continue...\n"
          "expect-control PanelButtons visible false\n"
          "choose 1");
    AppendPaged({"first ~<c:RED>red", "*", "third"});
    EXPECT_EQ(Screen(), "first red\nthird\n");
    const auto& second = Form().RichEdit1.Paragraphs()[1].Runs;
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].Font.Color, 0xFF0000u);
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_TRUE(Form().Control("PanelButtons").Visible);
}

TEST_F(PagedTextTest, LeadingStarPrintsAnEmptyPageFirst)
{
    OpenSession();
    Queue("choose 1");
    AppendPaged({"*", "after"});
    EXPECT_EQ(Screen(), "\nafter\n");
}

TEST_F(PagedTextTest, NoStarIsOneParagraph)
{
    OpenSession();
    AppendPaged({"one", "two"});
    EXPECT_EQ(Form().RichEdit1.Paragraphs().size(), 1u);
    EXPECT_EQ(Screen(), "one\ntwo\n");
}

TEST_F(PagedTextTest, ClearOrScroll)
{
    OpenSession();
    AppendText("x");
    ClearOrScrollOutput(false);
    EXPECT_EQ(Form().RichEdit1.Paragraphs().size(), 2u);
    EXPECT_EQ(Form().RichEdit1.PendingScroll(), 1000);
    ClearOrScrollOutput(true);
    EXPECT_TRUE(Form().RichEdit1.Paragraphs().empty());
    // What was written stays in the transcript.
    EXPECT_EQ(Screen(), "x\n \n");
}

// Ten megabytes of markup: read once from front to back this is quick, while
// cutting the text from the front at every tag would take many minutes.
TEST(StyledTextTest, LongMarkupIsReadInOnePass)
{
    const std::string piece = "~<c:RED>ab~<c:BLUE;b>cd";
    const size_t pieces = 10'000'000 / piece.size();
    std::string text;
    text.reserve(pieces * piece.size() + 2);
    for (size_t index = 0; index < pieces; ++index)
        text += piece;
    text += "~<";
    TOutputPane pane;
    EXPECT_EQ(AppendText(pane, text), "c:BLUE;b");
    ASSERT_EQ(pane.Paragraphs().size(), 1u);
    const auto& runs = pane.Paragraphs()[0].Runs;
    // Every tag changes the style, so each piece gives two runs; the unmatched
    // "~<" at the end stays visible in the style of no tag.
    ASSERT_EQ(runs.size(), 2 * pieces + 1);
    EXPECT_EQ(runs[0].Text, "ab");
    EXPECT_EQ(runs[0].Font.Color, 0xFF0000u);
    EXPECT_EQ(runs[2 * pieces - 1].Text, "cd");
    EXPECT_TRUE(runs[2 * pieces - 1].Font.Bold);
    EXPECT_EQ(runs.back().Text, "~<");
    EXPECT_EQ(pane.Paragraphs()[0].PlainText().size(), 4 * pieces + 2);
}
