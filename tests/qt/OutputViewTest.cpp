#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

#include "platform/OutputPane.h"
#include "ui/qt/OutputView.h"

namespace {

class OutputViewTest : public ::testing::Test {
protected:
    void Write(const std::string& text, TFont font = {})
    {
        Pane.NewParagraph();
        Pane.InsertFont = font;
        Pane.Insert(text);
    }

    QTextBlock Block(int number) { return View.document()->findBlockByNumber(number); }
    QTextCharFormat FormatAt(int block, int offset)
    {
        QTextCursor cursor(Block(block));
        cursor.setPosition(Block(block).position() + offset + 1);
        return cursor.charFormat();
    }

    TOutputPane Pane;
    TOutputView View{Pane, nullptr};
};

} // namespace

TEST_F(OutputViewTest, RunsKeepTheirFontsAndColours)
{
    TFont title;
    title.Color = 0xFFFF00;
    title.Size = 14;
    title.Bold = true;
    Write("TIP", title);
    TFont plain;
    Pane.InsertFont = plain;
    Pane.Insert(" and more");
    TFont struck;
    struck.Italic = struck.Underline = struck.StrikeOut = true;
    struck.Size = 900;
    Write("gone", struck);
    View.Sync();

    ASSERT_EQ(View.document()->blockCount(), 2);
    EXPECT_EQ(Block(0).text(), "TIP and more");
    const QTextCharFormat tip = FormatAt(0, 0);
    EXPECT_EQ(tip.foreground().color(), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(tip.font().pointSize(), 14);
    EXPECT_TRUE(tip.font().bold());
    EXPECT_EQ(FormatAt(0, 5).foreground().color(), QColor(Qt::white));
    EXPECT_FALSE(FormatAt(0, 5).font().bold());
    const QTextCharFormat gone = FormatAt(1, 0);
    EXPECT_TRUE(gone.font().italic() && gone.font().underline() && gone.font().strikeOut());
    EXPECT_EQ(gone.font().pointSize(), 200);
}

TEST_F(OutputViewTest, ParagraphsKeepTheirAlignmentAndBullet)
{
    Write("centred");
    Pane.LastParagraph().Alignment = TAlignment::Center;
    Write("listed");
    Pane.LastParagraph().Bullet = true;
    Write("right");
    Pane.LastParagraph().Alignment = TAlignment::Right;
    View.Sync();

    EXPECT_EQ(Block(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    ASSERT_NE(Block(1).textList(), nullptr);
    EXPECT_EQ(Block(1).textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(Block(2).textList(), nullptr);
    EXPECT_EQ(Block(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(OutputViewTest, NewParagraphsAreAppendedAndAClearedPaneStartsAgain)
{
    Write("The Green");
    View.Sync();
    Write("Geese wander.");
    View.Sync();
    EXPECT_EQ(View.toPlainText(), "The Green\nGeese wander.");

    Pane.Clear();
    Write("The Well");
    Write("An old stone well.");
    View.Sync();
    EXPECT_EQ(View.toPlainText(), "The Well\nAn old stone well.");

    // A paragraph changed after it was shown is shown as it is now.
    Pane.Insert(" Deep.");
    View.Sync();
    EXPECT_EQ(View.toPlainText(), "The Well\nAn old stone well. Deep.");
}

TEST_F(OutputViewTest, ThePaneStaysScrolledToItsEnd)
{
    View.resize(300, 100);
    View.show();
    for (int line = 1; line <= 40; ++line)
        Write("Line " + std::to_string(line));
    View.Sync();
    const QScrollBar* bar = View.verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    Write("One more");
    View.Sync();
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(OutputViewTest, ScreenReadersCanNameThePane)
{
    EXPECT_FALSE(View.accessibleName().isEmpty());
    EXPECT_FALSE(View.accessibleDescription().isEmpty());
}
