#include <gtest/gtest.h>

#include "platform/FixedCanvas.h"
#include "support/EngineFixture.h"
#include "world/Journal.h"

namespace {

class JournalTest : public EngineFixture {
protected:
    TJournalManager& Journal() { return JournalManager(); }

    std::vector<std::string> Body(int lines, const std::string& word)
    {
        std::vector<std::string> body;
        for (int line = 1; line <= lines; ++line)
            body.push_back(word + " " + std::to_string(line));
        return body;
    }

    // What a page box shows, a text a line.
    std::vector<std::string> Page(int side)
    {
        TFixedCanvas canvas;
        Journal().PaintPage(side, canvas);
        return canvas.Drawn;
    }
};

} // namespace

TEST_F(JournalTest, AnEmptyQuestBookShowsItsTitleOnTwoPages)
{
    Journal().BuildView("QUESTS", true);
    EXPECT_EQ(Journal().ViewLines, std::vector<std::string>{"#                       .:QUESTS:.         "});
    EXPECT_EQ(Form().Control("LblPageLeft").Caption, "1 / 2");
    EXPECT_EQ(Form().Control("LblPageRight").Caption, "2 / 2");
    const auto drawn = Page(0);
    ASSERT_FALSE(drawn.empty());
    EXPECT_NE(drawn[0].find(".:QUESTS:."), std::string::npos);
    EXPECT_TRUE(Page(1).empty());
}

TEST_F(JournalTest, EqualTitlesGetLinksToTheirOwnPages)
{
    Journal().AddEntry("The Gate", Body(40, "Rain"), true);
    Journal().AddEntry("The Gate", Body(3, "Sun"), true);
    Journal().BuildView("JOURNAL", true);
    const auto& view = Journal().ViewLines;
    ASSERT_NE(std::find(view.begin(), view.end(), "@1;The Gate"), view.end());
    ASSERT_NE(std::find(view.begin(), view.end(), "@2;The Gate"), view.end());

    const auto& links = Journal().Links[0];
    ASSERT_EQ(links.size(), 2u);
    const int lines = Journal().LinesPerPage;
    const auto first = std::find(view.begin(), view.end(), "~The Gate") - view.begin();
    const auto second = std::find(view.begin() + first + 1, view.end(), "~The Gate") - view.begin();
    EXPECT_EQ(links[0].Page, first / lines + 1);
    EXPECT_EQ(links[1].Page, second / lines + 1);
    EXPECT_NE(links[0].Page, links[1].Page);

    // A click strictly inside the second link turns there; its edge does not.
    const TRLink& link = links[1];
    EXPECT_EQ(Journal().LinkPageAt(0, link.Left + 1, link.Top + 1), link.Page);
    EXPECT_EQ(Journal().LinkPageAt(0, link.Left, link.Top + 1), 0);
    Journal().ShowPage(link.Page);
    const auto shown = Page(0);
    EXPECT_TRUE(std::find(shown.begin(), shown.end(), "Sun 1") != shown.end() ||
                std::find(Page(1).begin(), Page(1).end(), "Sun 1") != Page(1).end());
}

TEST_F(JournalTest, PagesTurnWithinTheBook)
{
    Journal().AddEntry("Long Road", Body(100, "Step"), true);
    Journal().BuildView("JOURNAL", true);
    const int last = Journal().PageCount;
    ASSERT_GE(last, 4);
    EXPECT_EQ(last % 2, 0);
    Form().Click("ImgBtn1");
    EXPECT_EQ(Journal().LeftPage, 1);
    Form().Click("ImgBtn2");
    EXPECT_EQ(Journal().LeftPage, 3);
    EXPECT_EQ(Form().Control("LblPageLeft").Caption, "3 / " + std::to_string(last));
    Journal().ShowPage(last);
    Form().Click("ImgBtn2");
    EXPECT_EQ(Journal().LeftPage, last - 1);
    Journal().ShowPage(last + 1);
    EXPECT_EQ(Journal().LeftPage, last - 1);
}

TEST_F(JournalTest, AMissingPictureIsDrawnAsText)
{
    Journal().AddEntry("Sketch", {"&missing.jpg", "#A note"}, true);
    Journal().BuildView("JOURNAL", false);
    const auto drawn = Page(0);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "&missing.jpg"), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "A note"), drawn.end());
}

TEST_F(JournalTest, CompletingAQuestRemovesExactlyItsLines)
{
    // A one-line quest, a quest whose body starts with markup, and one without a title.
    Journal().AddEntry("Rats", {}, false);
    Journal().AddEntry("The Hammer", {"#Find it", "Ask the smith."}, false);
    Journal().AddEntry("", {"Untitled body"}, false);
    const auto before = Journal().QuestLines();
    ASSERT_EQ(before, (std::vector<std::string>{"~Rats", "~The Hammer", "#Find it", "Ask the smith.", "~ ",
                                                "Untitled body"}));
    Journal().RemoveQuest(1);
    EXPECT_EQ(Journal().QuestLines(), (std::vector<std::string>{"~Rats", "~ ", "Untitled body"}));
    Journal().RemoveQuest(0);
    EXPECT_EQ(Journal().QuestLines(), (std::vector<std::string>{"~ ", "Untitled body"}));
    Journal().RemoveQuest(5);
    EXPECT_EQ(Journal().QuestLines().size(), 2u);
}

TEST_F(JournalTest, ThePointerFindsTheLinksOnThePageBoxes)
{
    Journal().AddEntry("Far Away", Body(80, "Mile"), true);
    Journal().Redraw();
    Form().Click("LblJournal");
    ASSERT_EQ(Journal().Links[0].size(), 1u);
    const TRLink link = Journal().Links[0][0];
    ASSERT_TRUE(Form().MouseMoveAt("PaintBox1", link.Left + 1, link.Top + 1));
    EXPECT_EQ(Form().Control("PaintBox1").Cursor, TCursor::HandPoint);
    Form().MouseMoveAt("PaintBox1", link.Right + 5, link.Top + 1);
    EXPECT_EQ(Form().Control("PaintBox1").Cursor, TCursor::Default);
    ASSERT_TRUE(Form().ClickAt("PaintBox1", link.Left + 1, link.Top + 1));
    EXPECT_EQ(Journal().LeftPage, link.Page % 2 ? link.Page : link.Page - 1);
    // The quest book, then the journal again from its first page.
    Form().Click("LblQuests");
    EXPECT_EQ(Journal().Mode, "QUESTS");
    Form().Click("LblJournal");
    EXPECT_EQ(Journal().LeftPage, 1);
}
