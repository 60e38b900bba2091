// The journal tab: the two books, page turning, and the links of the table of
// contents on the two page boxes.
#include "app/MainForm.h"
#include "session/Process.h"
#include "world/Journal.h"

void TForm1::WireJournalTab()
{
    auto openBook = [](const char* mode) {
        TJournalManager& journal = JournalManager();
        if (journal.Mode != mode)
            journal.BuildView(mode, true);
        else
            journal.ShowPage(1);
    };
    Control("LblJournal").OnClick = [openBook](const std::string&) { openBook("JOURNAL"); };
    Control("LblQuests").OnClick = [openBook](const std::string&) { openBook("QUESTS"); };
    Control("ImgBtn1").OnClick = [](const std::string&) {
        TJournalManager& journal = JournalManager();
        if (journal.LeftPage - 2 > 0)
            journal.ShowPage(journal.LeftPage - 2);
    };
    Control("ImgBtn2").OnClick = [](const std::string&) {
        TJournalManager& journal = JournalManager();
        if (journal.PageCount >= journal.LeftPage + 2)
            journal.ShowPage(journal.LeftPage + 2);
    };
}

void TForm1::PaintJournalPage(int side, ICanvas& canvas)
{
    JournalManager().PaintPage(side, canvas);
}

void TForm1::JournalPageMouseMove(int side, int x, int y)
{
    Control(side == 0 ? "PaintBox1" : "PaintBox2").Cursor =
        JournalManager().OverLink(side, x, y) ? TCursor::HandPoint : TCursor::Default;
}

void TForm1::JournalPageClick(int side, int x, int y)
{
    if (const int32_t page = JournalManager().LinkPageAt(side, x, y)) {
        JournalManager().ShowPage(page);
        Control(side == 0 ? "PaintBox1" : "PaintBox2").Cursor = TCursor::Default;
    }
}
