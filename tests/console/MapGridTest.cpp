#include <gtest/gtest.h>

#include <sstream>

#include "support/EngineFixture.h"
#include "ui/console/MapGrid.h"
#include "world/AreaMap.h"
#include "world/Location.h"

namespace {

class MapGridTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Map.AreaId = 1;
        Map.Name = "Cindervale";
        Here.Name = "Market Square";
        Here.AreaId = 1;
    }

    // A cell of the area, explored or not, with the exits of those bits.
    void Place(int row, int column, bool draw, std::initializer_list<int> exits = {})
    {
        TMapCell& cell = *Map.Cell(row, column);
        cell.Empty = false;
        cell.Draw = draw;
        for (const int exit : exits)
            cell.ExitMask.set(static_cast<size_t>(exit));
    }

    std::string Drawn(int row, int column)
    {
        Here.MapX = row;
        Here.MapY = column;
        std::ostringstream out;
        DrawMapGrid(out, Map, Here);
        return out.str();
    }

    TMapArea Map;
    TLocation Here;
};

const char* const Legend =
    "@ the party  [ ] explored  [+] a way up, down, in or out  · not yet explored  ─ │ ╱ ╲ ways\n";

} // namespace

TEST_F(MapGridTest, ExploredCellsAreBoxesJoinedByTheirExits)
{
    ASSERT_TRUE(Map.Resize(3, 3));
    // The square (1,1) leads east, south-east and down; the lane east of it back
    // west; the cell south of the square is not explored yet.
    Place(1, 1, true, {2, 7, 10});
    Place(1, 2, true, {4});
    Place(2, 2, true, {6});
    Place(2, 1, false, {1});
    EXPECT_EQ(Drawn(1, 1), std::string("Map of Cindervale:\n"
                                       "\n"
                                       "\n"
                                       "    [@]─[ ]\n"
                                       "       ╲\n"
                                       "     ·  [ ]\n") +
                               Legend);
    // Away from the square, its cell shows a way down.
    EXPECT_NE(Drawn(1, 2).find("    [+]─[@]\n"), std::string::npos) << Drawn(1, 2);
}

TEST_F(MapGridTest, CrossingDiagonalsAndStrokesFromEitherSide)
{
    ASSERT_TRUE(Map.Resize(2, 2));
    Place(0, 0, true, {7, 3});
    Place(0, 1, true, {8});
    Place(1, 0, true);
    Place(1, 1, true);
    EXPECT_EQ(Drawn(0, 0), std::string("Map of Cindervale:\n"
                                       "[@] [ ]\n"
                                       " │ ╳\n"
                                       "[ ] [ ]\n") +
                               Legend);
}

TEST_F(MapGridTest, ALargeAreaShowsTheWindowAroundTheParty)
{
    ASSERT_TRUE(Map.Resize(40, 30));
    for (int row = 0; row < 30; ++row)
        for (int column = 0; column < 40; ++column)
            Place(row, column, true);
    const std::string drawn = Drawn(20, 39);
    std::istringstream lines(drawn);
    std::string line;
    int cellRows = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("[", 0) != 0)
            continue;
        ++cellRows;
        EXPECT_EQ(line.size(), MapGridColumns * 4 - 1u) << line;
    }
    EXPECT_EQ(cellRows, MapGridRows);
    // The party's cell is the last of its row: the window keeps inside the area.
    EXPECT_NE(drawn.find("[ ] [@]\n"), std::string::npos) << drawn;
}

TEST_F(MapGridTest, APlaceWithoutACellSaysSo)
{
    ASSERT_TRUE(Map.Resize(2, 2));
    EXPECT_EQ(Drawn(-1, -1), "Market Square has no place on the map of Cindervale.\n");
    Here.AreaId = 2;
    EXPECT_EQ(Drawn(0, 0), "Market Square has no place on the map of Cindervale.\n");
}

TEST_F(MapGridTest, AShownCellTheAreaLeftOutStillShowsTheParty)
{
    ASSERT_TRUE(Map.Resize(1, 1));
    Map.Cell(0, 0)->Draw = true;
    EXPECT_EQ(Drawn(0, 0), std::string("Map of Cindervale:\n[@]\n") + Legend);
}
