#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "support/SessionFixture.h"
#include "world/AreaMap.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into areas (id, name, width, height) values (1, 'Cindervale', 4, 3), (2, 'Whisperwood', 2, 2);
insert into locations (id, name, mapX, mapY, area_id) values
  (1001, 'Gate', 0, 1, 1), (1002, 'Street', 1, 1, 1), (1003, 'Cellar', -1, 2, 1), (1004, 'Square', 2, 3, 1),
  (2001, 'Glade', 0, 0, 2), (3001, 'Nowhere', 0, 0, 0);
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 1, 1, 3, 255, 0), (1, 2, 3, 0, 65280, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values
  (1002, 1001, 'south', 3, 1), (1001, 1002, 'north', 1, 1), (1003, 1002, 'down', 10, 1),
  (1004, 1002, 'odd', 20, 1), (1004, 1001, 'hidden', 2, 0), (1002, 1004, 'up', 9, 1);
)SQL";

// Keeps what was drawn, as text.
class TRecordingCanvas : public ICanvas {
public:
    void SetFont(const TFont&) override {}
    int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * 7; }
    int TextHeight(const std::string&) override { return 12; }
    void FillRect(const TRect& rect, TColor color) override
    {
        if (color != MapBackground)
            Drawn.push_back("square " + std::to_string(rect.Left) + "," + std::to_string(rect.Top));
    }
    void FrameRect(const TRect& rect, TColor) override
    {
        Drawn.push_back("frame " + std::to_string(rect.Left) + "," + std::to_string(rect.Top));
    }
    void Line(int x1, int y1, int x2, int y2, TColor, int) override
    {
        Drawn.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," +
                        std::to_string(y2));
    }
    void TextOut(int, int, const std::string&) override {}
    void DrawPicture(int, int, const TPicture&) override {}

    std::vector<std::string> Drawn;
};

class AreaMapTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
    }

    TLocation& Located(int64_t id)
    {
        Places.push_back(std::make_unique<TLocation>());
        Places.back()->Load(id);
        return *Places.back();
    }

    std::vector<std::unique_ptr<TLocation>> Places;
};

} // namespace

TEST_F(AreaMapTest, LoadingReadsCellsLocationsAndExits)
{
    TMapArea& map = AreaMap();
    map.LoadArea(1);
    EXPECT_EQ(map.Name, "Cindervale");
    ASSERT_EQ(map.Width, 4);
    ASSERT_EQ(map.Height, 3);
    const TMapCell& street = *map.Cell(1, 1);
    EXPECT_FALSE(street.Empty);
    EXPECT_FALSE(street.Draw);
    EXPECT_EQ(street.ImageIndex, 3);
    EXPECT_EQ(street.LocationId, 1002);
    // North and down; orientation 20 sets nothing.
    EXPECT_EQ(street.ExitMask.to_ulong(), (1ul << 1) | (1ul << 10));
    EXPECT_EQ(map.Cell(0, 1)->ExitMask.to_ulong(), 1ul << 3);
    EXPECT_TRUE(map.Cell(0, 0)->Empty);
    EXPECT_EQ(map.Cell(3, 0), nullptr);
    EXPECT_EQ(ScreenColor(255), RgbColor(255, 0, 0));
    EXPECT_EQ(ScreenColor(ButtonFaceColor), MapBackground);

    // An area without a row, or none at all, is an empty map.
    for (const int32_t area : {0, 7}) {
        map.LoadArea(area);
        EXPECT_EQ(map.Width, 0);
        EXPECT_EQ(map.Height, 0);
    }
    // A damaged size is held to what a map can be.
    Db().Execute("insert into areas (id, name, width, height) values (9, 'Vast', 2000000000, -5)");
    map.LoadArea(9);
    EXPECT_EQ(map.Width, 1000);
    EXPECT_EQ(map.Height, 0);
}

TEST_F(AreaMapTest, CellsDrawTheirExitsButNotUpAndDown)
{
    TMapCell cell;
    cell.Draw = true;
    cell.Color = 255;
    cell.ExitMask.set(1).set(9).set(10).set(8);
    TRecordingCanvas canvas;
    DrawMapCell(canvas, &cell, 24, 48);
    EXPECT_EQ(canvas.Drawn, (std::vector<std::string>{"square 28,52", "line 36,48-36,53", "line 29,66-24,71"}));

    cell.Draw = false;
    canvas.Drawn.clear();
    DrawMapCell(canvas, &cell, 0, 0);
    EXPECT_TRUE(canvas.Drawn.empty());
}

TEST_F(AreaMapTest, TheMiniMapCentresOnThePartysCell)
{
    TMapArea& map = AreaMap();
    map.LoadArea(1);
    for (auto& row : map.Cells)
        for (TMapCell& cell : row)
            cell.Draw = true;
    TRecordingCanvas canvas;
    // At row 0, column 1: the first two rows of the grid lie outside the area.
    DrawMiniMap(canvas, map, &Located(1001));
    for (const std::string& drawn : canvas.Drawn) {
        if (drawn.rfind("square", 0) == 0) {
            EXPECT_GE(std::stoi(drawn.substr(drawn.find(',') + 1)), 2 * MapCellSize + 4) << drawn;
        }
    }
    EXPECT_EQ(canvas.Drawn.back(), "frame 48,48");

    canvas.Drawn.clear();
    DrawMiniMap(canvas, map, &Located(1003));
    EXPECT_TRUE(canvas.Drawn.empty());
}

TEST_F(AreaMapTest, AShownCellSurvivesABookmark)
{
    TMapArea& map = AreaMap();
    map.LoadArea(1);
    // The gate has no area_data row of its own.
    ASSERT_TRUE(map.Cell(0, 1)->Empty);
    map.CellOf(Located(1001))->Draw = true;
    map.SaveArea(1);
    map.Close();
    EXPECT_EQ(map.Width, 0);
    map.LoadArea(1);
    EXPECT_TRUE(map.Cell(0, 1)->Draw);
    EXPECT_TRUE(map.Cell(2, 3)->Draw);
    EXPECT_EQ(Value("select count(*) from area_data where area_id = 1"), "3");
    EXPECT_EQ(Value("select img_idx from area_data where x = 1 and y = 1"), "3");
}

TEST_F(AreaMapTest, ShrinkingKeepsCellsThatHoldSomething)
{
    TMapArea& map = AreaMap();
    map.LoadArea(1);
    EXPECT_FALSE(map.Resize(2, 3));
    EXPECT_EQ(map.Width, 4);
    EXPECT_TRUE(map.Resize(5, 4));
    EXPECT_TRUE(map.Cell(3, 4)->Empty);
    EXPECT_TRUE(map.Resize(4, 3));
    EXPECT_FALSE(map.Resize(-1, 2));
}

TEST_F(AreaMapTest, TheMiniMapPaintsAndOpensTheAreaMap)
{
    GameClient().CurrentLocation = &Located(1002);
    AreaMap().LoadArea(1);
    AreaMap().Cell(1, 1)->Draw = true;
    TRecordingCanvas canvas;
    ASSERT_TRUE(Form().Paint("Grid", canvas));
    EXPECT_EQ(canvas.Drawn.back(), "frame 48,48");
    Queue("expect-control MGrid tag 4\nexpect-control MGrid max 3\nclose");
    ASSERT_TRUE(Form().Click("Grid"));
    EXPECT_FALSE(TestHost.BoxOpen());
}

TEST_F(AreaMapTest, AnExitOpenedOrClosedMarksItsCell)
{
    Form().LocationManager = std::make_unique<TLocationManager>();
    AreaMap().LoadArea(1);
    // The square's way up, then a new way in.
    Form().LocationManager->SetExitVisible(1004, 1002, false);
    EXPECT_FALSE(AreaMap().Cell(2, 3)->ExitMask.test(9));
    Form().LocationManager->SetExitVisible(1004, 1002, true);
    EXPECT_TRUE(AreaMap().Cell(2, 3)->ExitMask.test(9));
    Db().Execute("insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1001, 1004, 'in', 11, 0)");
    Form().LocationManager->SetExitVisible(1004, 1001, true);
    EXPECT_TRUE(AreaMap().Cell(2, 3)->ExitMask.test(11));
}
