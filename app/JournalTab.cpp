// The journal tab: the two books, page turning, and the links of the table of
// contents on the two page boxes; and the mini map with its area map dialog.
#include "app/MainForm.h"
#include "app/MapForm.h"
#include "platform/Host.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/AreaMap.h"
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
    for (const int side : {0, 1}) {
        TControlState& page = Control(side == 0 ? "PaintBox1" : "PaintBox2");
        page.OnPaint = [side](ICanvas& canvas) { JournalManager().PaintPage(side, canvas); };
        // The hand over a link of the table of contents; a click turns to its page.
        page.OnMouseMoveAt = [&page, side](int x, int y) {
            page.Cursor = JournalManager().OverLink(side, x, y) ? TCursor::HandPoint : TCursor::Default;
        };
        page.OnClickAt = [&page, side](int x, int y) {
            if (const int32_t target = JournalManager().LinkPageAt(side, x, y)) {
                JournalManager().ShowPage(target);
                page.Cursor = TCursor::Default;
            }
        };
    }
}



void TForm1::WireMiniMap()
{
    TControlState& grid = Control("Grid");
    grid.OnPaint = [](ICanvas& canvas) { DrawMiniMap(canvas, AreaMap(), GameClient().CurrentLocation); };
    grid.OnClick = [this](const std::string&) {
        if (!BookOpen() || !GameClient().CurrentLocation)
            return;
        TFrmMap map;
        Host().ShowModal(map);
    };
}
