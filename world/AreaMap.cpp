#include "world/AreaMap.h"

#include <algorithm>

#include "data/Convert.h"
#include "data/SQLite.h"
#include "platform/Canvas.h"
#include "session/Process.h"
#include "world/Location.h"

namespace {

// A damaged areas row must not make the map reserve more than any adventure draws.
constexpr int32_t MaxAreaSide = 1000;

TSQLite3* Session()
{
    return Process().SessionDb.get();
}

int32_t Column(const TStringHash& row, const std::string& name)
{
    return StrToIntDef(row.GetItem(name), 0);
}

bool Truth(const std::string& text)
{
    const std::string word = LowerCase(Trim(text));
    return word == "true" || (word != "false" && StrToIntDef(word, 0) != 0);
}

// The exit strokes by orientation bit: from and to, relative to the cell's corner.
struct TStroke {
    int Bit;
    int X1, Y1, X2, Y2;
};
const TStroke Strokes[] = {
    {1, 12, 0, 12, 5},   {3, 12, 19, 12, 24}, {2, 19, 12, 24, 12}, {4, 5, 12, 0, 12},
    {5, 18, 5, 23, 0},   {6, 5, 5, 0, 0},     {7, 18, 18, 23, 23}, {8, 5, 18, 0, 23},
};

void Frame(ICanvas& canvas, int left, int top)
{
    canvas.FrameRect({left, top, left + MapCellSize, top + MapCellSize}, MapFrameColor);
}

} // namespace

TMapCell* TMapArea::Cell(int row, int column)
{
    return row >= 0 && row < Height && column >= 0 && column < Width ? &Cells[row][column] : nullptr;
}

const TMapCell* TMapArea::Cell(int row, int column) const
{
    return const_cast<TMapArea*>(this)->Cell(row, column);
}

TMapCell* TMapArea::CellOf(const TLocation& location)
{
    return location.AreaId == AreaId && AreaId != 0 ? Cell(location.MapX, location.MapY) : nullptr;
}

TMapCell* TMapArea::CellHolding(int64_t locationId)
{
    for (auto& row : Cells)
        for (TMapCell& cell : row)
            if (cell.LocationId == locationId)
                return &cell;
    return nullptr;
}

void TMapArea::ClearCells()
{
    for (auto& row : Cells)
        for (TMapCell& cell : row)
            cell = TMapCell{};
}

bool TMapArea::Resize(int32_t width, int32_t height)
{
    if (width < 0 || height < 0)
        return false;
    auto emptyBeyond = [this](int32_t rows, int32_t columns) {
        for (int32_t row = 0; row < Height; ++row)
            for (int32_t column = 0; column < Width; ++column)
                if ((row >= rows || column >= columns) && !Cells[row][column].Empty)
                    return false;
        return true;
    };
    bool resized = true;
    if (height < Height && !emptyBeyond(height, Width)) {
        height = Height;
        resized = false;
    }
    if (width < Width && !emptyBeyond(height, width)) {
        width = Width;
        resized = false;
    }
    Cells.resize(height);
    for (auto& row : Cells)
        row.resize(width);
    Width = width;
    Height = height;
    return resized;
}

void TMapArea::Close()
{
    ClearCells();
    AreaId = 0;
    Name.clear();
    Resize(0, 0);
}

void TMapArea::LoadArea(int32_t id)
{
    TSQLite3* db = Session();
    ClearCells();
    AreaId = id;
    Name.clear();
    int32_t width = 0;
    int32_t height = 0;
    if (db)
        for (const auto& row : db->Query("select name,width,height from areas where id = " + std::to_string(id))) {
            Name = row->GetItem("name");
            width = std::clamp(Column(*row, "width"), 0, MaxAreaSide);
            height = std::clamp(Column(*row, "height"), 0, MaxAreaSide);
        }
    // An area without a row shows an empty map.
    Resize(width, height);
    ClearCells();
    if (!db || width == 0 || height == 0)
        return;
    const std::string area = std::to_string(id);
    for (const auto& row : db->Query("select * from area_data where area_id = " + area))
        if (TMapCell* cell = Cell(Column(*row, "x"), Column(*row, "y"))) {
            cell->Color = static_cast<uint32_t>(StrToInt64Def(row->GetItem("color"), ButtonFaceColor));
            cell->ImageIndex = Column(*row, "img_idx");
            cell->Draw = Truth(row->GetItem("draw"));
            cell->Empty = false;
        }
    for (const auto& row :
         db->Query("select id,mapX,mapY from locations where mapX <> -1 and mapY <> -1 and area_id = " + area))
        if (TMapCell* cell = Cell(Column(*row, "mapX"), Column(*row, "mapY")))
            cell->LocationId = StrToInt64Def(row->GetItem("id"), 0);
    for (const auto& row : db->Query("select id,orientation,mapX,mapY from exits, locations  where loc_id = id and "
                                     "mapX <> -1 and mapY <> -1 and visible = 1 and area_id = " + area)) {
        const int orientation = Column(*row, "orientation") & 0xFF;
        if (TMapCell* cell = Cell(Column(*row, "mapX"), Column(*row, "mapY")); cell && orientation <= 15)
            cell->ExitMask.set(orientation);
    }
}

void TMapArea::SaveArea(int32_t id)
{
    TSQLite3* db = Session();
    if (!db || id == 0)
        return;
    const std::string area = std::to_string(id);
    TTransaction transaction(*db);
    db->Execute("delete from area_data where area_id = " + area);
    for (int32_t row = 0; row < Height; ++row)
        for (int32_t column = 0; column < Width; ++column) {
            const TMapCell& cell = Cells[row][column];
            // A shown cell is written even without a row of its own, or it would
            // be hidden again after a bookmark.
            if (cell.Empty && !cell.Draw)
                continue;
            db->Execute("insert into area_data values(" + area + "," + std::to_string(row) + "," +
                        std::to_string(column) + "," + std::to_string(cell.ImageIndex) + "," +
                        std::to_string(static_cast<int64_t>(cell.Color)) + "," + (cell.Draw ? "True" : "False") + ")");
            if (cell.LocationId > 0)
                db->Execute("update locations set  mapX = " + std::to_string(row) + ", mapY = " +
                            std::to_string(column) + " where id = " + std::to_string(cell.LocationId));
        }
    transaction.Commit();
}

TColor ScreenColor(uint32_t colorValue)
{
    if (colorValue & 0xFF000000)
        return MapBackground;
    return RgbColor(colorValue & 0xFF, (colorValue >> 8) & 0xFF, (colorValue >> 16) & 0xFF);
}

void DrawMapCell(ICanvas& canvas, const TMapCell* cell, int left, int top)
{
    canvas.FillRect({left, top, left + MapCellSize, top + MapCellSize}, MapBackground);
    if (!cell || !cell->Draw)
        return;
    canvas.FillRect({left + 4, top + 4, left + 20, top + 20}, ScreenColor(cell->Color));
    for (const TStroke& stroke : Strokes)
        if (cell->ExitMask.test(stroke.Bit))
            canvas.Line(left + stroke.X1, top + stroke.Y1, left + stroke.X2, top + stroke.Y2, clBlack, 2);
}

void DrawMiniMap(ICanvas& canvas, const TMapArea& map, const TLocation* here)
{
    const int side = MiniMapCells * MapCellSize;
    canvas.FillRect({0, 0, side, side}, MapBackground);
    if (!here || here->MapX < 0 || here->MapY < 0)
        return;
    for (int row = 0; row < MiniMapCells; ++row)
        for (int column = 0; column < MiniMapCells; ++column)
            DrawMapCell(canvas, map.Cell(here->MapX - 2 + row, here->MapY - 2 + column), column * MapCellSize,
                        row * MapCellSize);
    Frame(canvas, 2 * MapCellSize, 2 * MapCellSize);
}

void DrawAreaMap(ICanvas& canvas, const TMapArea& map, const TLocation* here)
{
    for (int row = 0; row < map.Height; ++row)
        for (int column = 0; column < map.Width; ++column)
            DrawMapCell(canvas, map.Cell(row, column), column * MapCellSize, row * MapCellSize);
    if (here && here->MapX >= 0 && here->MapY >= 0 && map.Cell(here->MapX, here->MapY))
        Frame(canvas, here->MapY * MapCellSize, here->MapX * MapCellSize);
}
