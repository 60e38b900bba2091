// The grid map of the current area: which cells show, their colours and the
// strokes of their exits. Cells are loaded from the session when the party enters
// another area and written back, so that discovered cells survive bookmarks.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Font.h"

class ICanvas;
class TLocation;

// The system button-face colour, as the adventure's colour values name it.
constexpr uint32_t ButtonFaceColor = 0x8000000F;

struct TMapCell {
    // A colour value as the adventure stores it: 0x00BBGGRR, or a system colour.
    uint32_t Color = ButtonFaceColor;
    // Kept and written back, not drawn.
    int32_t ImageIndex = -1;
    // Bit n: a visible exit of orientation n.
    std::bitset<16> ExitMask;
    bool Draw = false;
    // No area_data row.
    bool Empty = true;
    int64_t LocationId = 0;
};

class TMapArea {
public:
    void LoadArea(int32_t id);
    void SaveArea(int32_t id);
    void ClearCells();
    // Grows always; shrinks a dimension only over empty cells. False when a
    // dimension kept its size or the size is negative.
    bool Resize(int32_t width, int32_t height);
    // Forgets the area, as when the adventure closes.
    void Close();
    // The cell at row, column; null outside the area.
    TMapCell* Cell(int row, int column);
    const TMapCell* Cell(int row, int column) const;
    // The cell of the location, when it lies in this area.
    TMapCell* CellOf(const TLocation& location);
    // The first cell, row by row, that holds the location; null when none does.
    TMapCell* CellHolding(int64_t locationId);

    int32_t AreaId = 0;
    std::string Name;
    int32_t Width = 0;
    int32_t Height = 0;
    // [row][column]
    std::vector<std::vector<TMapCell>> Cells;
};

constexpr int MapCellSize = 24;
constexpr int MiniMapCells = 5;
// What grid cells are filled with.
constexpr TColor MapBackground = RgbColor(240, 240, 240);
constexpr TColor MapFrameColor = RgbColor(0, 0, 255);

// The screen colour of an adventure's colour value; system colours become the
// map's background.
TColor ScreenColor(uint32_t colorValue);
// One cell at its grid corner: the background, and when shown its square and
// the strokes of its exits.
void DrawMapCell(ICanvas& canvas, const TMapCell* cell, int left, int top);
// The 5 x 5 cells around the location, its own framed in the middle.
void DrawMiniMap(ICanvas& canvas, const TMapArea& map, const TLocation* here);
// The whole area, the location's cell framed.
void DrawAreaMap(ICanvas& canvas, const TMapArea& map, const TLocation* here);
