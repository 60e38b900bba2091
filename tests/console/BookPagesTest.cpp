#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/EngineFixture.h"
#include "ui/console/BookPages.h"
#include "world/Journal.h"

namespace {

class BookPagesTest : public EngineFixture {
protected:
    TJournalManager& Book() { return JournalManager(); }

    // Two entries, the first long enough to fill three pages with the second.
    void WriteTwoEntries()
    {
        std::vector<std::string> rain;
        for (int line = 1; line <= 70; ++line)
            rain.push_back("Rain " + std::to_string(line));
        Book().AddEntry("The Gate", rain, true);
        Book().AddEntry("The Square", {"Sun 1", "Sun 2"}, true);
        Book().AddEntry("Find the smith's hammer", {"Brannoc lost it."}, false);
    }

    std::string Turn(const std::string& word, const std::string& argument)
    {
        std::ostringstream out;
        TurnBook(out, Book(), word, argument);
        return out.str();
    }

    // The page of the view line, as the book counts pages.
    int PageOf(const std::string& line)
    {
        const auto& view = Book().ViewLines;
        return static_cast<int>(std::find(view.begin(), view.end(), line) - view.begin()) / Book().LinesPerPage + 1;
    }
};

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace

TEST_F(BookPagesTest, EmptyBooksSayHowTheyFill)
{
    EXPECT_EQ(Turn("journal", ""), "JOURNAL, page 1-2 of 2\n-- page 1 --\n.:JOURNAL:.\n"
                                   "The journal is empty: entries are written as the adventure goes on.\n");
    EXPECT_EQ(Turn("quests", ""), "QUESTS, page 1-2 of 2\n-- page 1 --\n.:QUESTS:.\nNo quest is open.\n");
    EXPECT_EQ(Turn("link", "1"), "No link is shown: open the journal or the quests first.\n");
}

TEST_F(BookPagesTest, TheFirstSpreadShowsHeadingsAndNumberedLinks)
{
    WriteTwoEntries();
    const std::string shown = Turn("journal", "");
    const std::string square = "  [2] The Square — page " + std::to_string(PageOf("~The Square")) + "\n";
    for (const std::string& part : {std::string("JOURNAL, page 1-2 of 4\n-- page 1 --\n.:JOURNAL:.\n"),
                                    std::string("Table of Contents\n  [1] The Gate — page 1\n") + square,
                                    std::string("Journal Entries\n== The Gate ==\n  Rain 1\n  Rain 2\n"),
                                    std::string("-- page 2 --\n"),
                                    std::string("Type link and a number to turn to its page.\n")})
        EXPECT_NE(shown.find(part), std::string::npos) << part << "\nin\n" << shown;
    EXPECT_EQ(shown.find("Sun 1"), std::string::npos) << shown;
}

TEST_F(BookPagesTest, WordsTurnTheSpreads)
{
    WriteTwoEntries();
    struct Step {
        const char* word;
        const char* argument;
        const char* firstLine;
    };
    const Step steps[] = {
        {"journal", "", "JOURNAL, page 1-2 of 4"},
        {"journal", "next", "JOURNAL, page 3-4 of 4"},
        // Nothing lies beyond the last spread, nor before the first.
        {"journal", "next", "JOURNAL, page 3-4 of 4"},
        {"journal", "back", "JOURNAL, page 1-2 of 4"},
        {"journal", "back", "JOURNAL, page 1-2 of 4"},
        {"journal", "4", "JOURNAL, page 3-4 of 4"},
        {"journal", "2", "JOURNAL, page 1-2 of 4"},
        {"journal", "9", "There is no page 9: the book has 4 pages."},
        {"journal", "now", "There is no page now: the book has 4 pages."},
        {"link", "3", "There is no link 3: choose a number from 1 to 2."},
        {"quests", "", "QUESTS, page 1-2 of 2"},
        {"quests", "next", "QUESTS, page 1-2 of 2"},
    };
    for (const Step& step : steps)
        EXPECT_EQ(FirstLine(Turn(step.word, step.argument)), step.firstLine) << step.word << " " << step.argument;
}

TEST_F(BookPagesTest, ALinkTurnsToItsHeadingsPage)
{
    WriteTwoEntries();
    Turn("journal", "");
    const int page = PageOf("~The Square");
    ASSERT_GT(page, 2);
    const std::string shown = Turn("link", "2");
    EXPECT_EQ(Book().LeftPage, page % 2 == 1 ? page : page - 1);
    EXPECT_NE(shown.find("== The Square ==\n  Sun 1\n  Sun 2\n"), std::string::npos) << shown;

    Turn("quests", "");
    EXPECT_NE(Turn("link", "1").find("== Find the smith's hammer ==\n  Brannoc lost it.\n"), std::string::npos);
}

TEST_F(BookPagesTest, DoneQuestsAreCountedUnderTheQuestBook)
{
    GameClient().Quests = {"q_rats=*", "q_hammer=q_hammer.txt"};
    EXPECT_NE(Turn("quests", "").find("No quest is open.\n1 quest completed.\n"), std::string::npos);
    GameClient().Quests.push_back("q_ferry=*");
    EXPECT_NE(Turn("quests", "").find("2 quests completed.\n"), std::string::npos);
    EXPECT_EQ(Turn("journal", "").find("completed"), std::string::npos);
}
