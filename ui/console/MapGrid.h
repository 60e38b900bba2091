// The current area's grid map as text: explored cells as small boxes joined by
// the strokes of their exits, the party's cell marked, and a window around the
// party when the area is wider or taller than a terminal.
#pragma once

#include <ostream>

class TMapArea;
class TLocation;

// The window shown at most, in cells: 19 columns of four characters fit 80.
constexpr int MapGridColumns = 19;
constexpr int MapGridRows = 11;

// The grid and its legend; says so when the location has no cell of this area.
void DrawMapGrid(std::ostream& out, TMapArea& map, const TLocation& here);
