#include "ui/console/MapGrid.h"

#include <algorithm>
#include <string>
#include <vector>

#include "data/Utf8Text.h"
#include "world/AreaMap.h"
#include "world/Location.h"

namespace {

// Exit bits, as the cells keep them.
enum TExitBit { North = 1, East, South, West, NorthEast, NorthWest, SouthEast, SouthWest, Up, Down, In, Out };

bool Shows(const TMapArea& map, int row, int column, TExitBit way)
{
    const TMapCell* cell = map.Cell(row, column);
    return cell && cell->Draw && cell->ExitMask.test(way);
}

// The first cell of a window of the size around the party's, kept inside the area.
int WindowStart(int party, int size, int window)
{
    return std::clamp(party - window / 2, 0, std::max(0, size - window));
}

// A cell's three characters: its box when shown (entering a place shows its
// cell, even one the area left out), a dot when not explored yet.
std::string CellText(const TMapCell* cell, bool party)
{
    if (!cell)
        return "   ";
    if (!cell->Draw)
        return cell->Empty ? "   " : " · ";
    if (party)
        return "[@]";
    const bool climbs = cell->ExitMask.test(Up) || cell->ExitMask.test(Down) || cell->ExitMask.test(In) ||
                        cell->ExitMask.test(Out);
    return climbs ? "[+]" : "[ ]";
}

// The stroke between a cell and the one east of it, in the row of cells.
std::string EastStroke(const TMapArea& map, int row, int column)
{
    return Shows(map, row, column, East) || Shows(map, row, column + 1, West) ? "─" : " ";
}

// The stroke south of a cell, and the crossing between it and its east neighbour.
std::string SouthStrokes(const TMapArea& map, int row, int column)
{
    const std::string down = Shows(map, row, column, South) || Shows(map, row + 1, column, North) ? "│" : " ";
    const bool falling = Shows(map, row, column, SouthEast) || Shows(map, row + 1, column + 1, NorthWest);
    const bool rising = Shows(map, row, column + 1, SouthWest) || Shows(map, row + 1, column, NorthEast);
    return " " + down + " " + (falling && rising ? "╳" : falling ? "╲" : rising ? "╱" : " ");
}

void TrimRight(std::string& line)
{
    line.erase(line.find_last_not_of(' ') + 1);
}

} // namespace

void DrawMapGrid(std::ostream& out, TMapArea& map, const TLocation& here)
{
    if (!map.CellOf(here)) {
        out << AsUtf8(here.Name) << " has no place on the map" << (map.Name.empty() ? "" : " of " + AsUtf8(map.Name))
            << ".\n";
        return;
    }
    const int top = WindowStart(here.MapX, map.Height, MapGridRows);
    const int left = WindowStart(here.MapY, map.Width, MapGridColumns);
    const int bottom = std::min(map.Height, top + MapGridRows);
    const int right = std::min(map.Width, left + MapGridColumns);
    out << "Map" << (map.Name.empty() ? "" : " of " + AsUtf8(map.Name)) << ":\n";
    for (int row = top; row < bottom; ++row) {
        std::string cells;
        std::string below;
        for (int column = left; column < right; ++column) {
            cells += CellText(map.Cell(row, column), row == here.MapX && column == here.MapY) +
                     EastStroke(map, row, column);
            below += SouthStrokes(map, row, column);
        }
        TrimRight(cells);
        TrimRight(below);
        out << cells << '\n';
        if (row + 1 < bottom)
            out << below << '\n';
    }
    out << "@ the party  [ ] explored  [+] a way up, down, in or out  · not yet explored  ─ │ ╱ ╲ ways\n";
}
