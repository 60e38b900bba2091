#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/OutputPane.h"

namespace {

// Writes one paragraph per text, clearing the pane before each as arriving at a
// location does.
void WriteScreens(TOutputPane& pane, const std::vector<std::string>& texts)
{
    for (const std::string& text : texts) {
        pane.Clear();
        pane.NewParagraph();
        pane.Insert(text);
    }
}

} // namespace

// A long game keeps only the last cleared paragraphs; a transcript keeps them all.
TEST(OutputPaneTest, TheHistoryKeepsItsLimitAndCountsWhatItDropped)
{
    struct Case {
        size_t Limit;
        size_t FirstWritten;
        std::string Text;
    };
    const Case cases[] = {
        {2, 2, "three\nfour\nfive\n"},
        {0, 0, "one\ntwo\nthree\nfour\nfive\n"},
        {10, 0, "one\ntwo\nthree\nfour\nfive\n"},
    };
    for (const Case& c : cases) {
        TOutputPane pane;
        pane.HistoryLimit = c.Limit;
        WriteScreens(pane, {"one", "two", "three", "four", "five"});
        EXPECT_EQ(pane.WrittenCount(), 5u) << c.Limit;
        EXPECT_EQ(pane.FirstWritten(), c.FirstWritten) << c.Limit;
        EXPECT_EQ(pane.WrittenText(), c.Text) << c.Limit;
        EXPECT_EQ(pane.Written(4).PlainText(), "five") << c.Limit;
        EXPECT_EQ(pane.Written(c.FirstWritten).PlainText(), c.Text.substr(0, c.Text.find('\n'))) << c.Limit;
        if (c.FirstWritten > 0) {
            EXPECT_THROW(pane.Written(c.FirstWritten - 1), std::out_of_range) << c.Limit;
        }
    }
}

TEST(OutputPaneTest, TextSinceAMarkThatWasDroppedStartsAtWhatIsKept)
{
    TOutputPane pane;
    pane.HistoryLimit = 1;
    const size_t mark = pane.WrittenCount();
    WriteScreens(pane, {"one", "two", "three"});
    EXPECT_EQ(pane.WrittenText(mark), "two\nthree\n");
}
