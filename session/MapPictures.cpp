// The area pictures scripts add to the map tab, with their markers: each line is
// title "=" picture "|" caption, then "|" marker "," picture "," left "," top.
#include <algorithm>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/Picture.h"
#include "data/PicturePath.h"
#include "data/Utils.h"
#include "session/GameClient.h"
#include "session/NamedLines.h"
#include "session/Process.h"

namespace {

struct TMarker {
    std::string Name;
    std::string Picture;
    int32_t Left = 0;
    int32_t Top = 0;
};

struct TMapPicture {
    std::string Title;
    std::string Picture;
    std::string Caption;
    std::vector<TMarker> Markers;

    static TMapPicture Read(const std::string& line)
    {
        TMapPicture map;
        map.Title = NameOf(line);
        std::vector<std::string> fields;
        SplitToList(ValueOf(line), '|', fields);
        map.Picture = fields.empty() ? std::string() : fields[0];
        map.Caption = fields.size() > 1 ? fields[1] : std::string();
        for (size_t field = 2; field < fields.size(); ++field) {
            std::vector<std::string> parts;
            SplitToList(fields[field], ',', parts);
            parts.resize(4);
            map.Markers.push_back({parts[0], parts[1], StrToIntDef(parts[2], 0), StrToIntDef(parts[3], 0)});
        }
        return map;
    }

    std::string Line() const
    {
        std::string line = Title + "=" + Picture + "|" + Caption;
        for (const TMarker& marker : Markers)
            line += "|" + marker.Name + "," + marker.Picture + "," + std::to_string(marker.Left) + "," +
                    std::to_string(marker.Top);
        return line;
    }
};

bool PictureExists(const std::string& picture)
{
    return PicturePath(Process().GameDir, picture).has_value();
}

// The marker drawn over the background where it stands. Pixels of the colour of
// its lower-left corner are see-through, as are those its alpha leaves out.
void DrawMarker(TPicture& map, const TPicture& marker, int32_t left, int32_t top)
{
    if (marker.Width <= 0 || marker.Height <= 0)
        return;
    const uint32_t clear = marker.Pixels[static_cast<size_t>(marker.Height - 1) * marker.Width];
    for (int y = 0; y < marker.Height; ++y)
        for (int x = 0; x < marker.Width; ++x) {
            // Wide sums: a damaged bookmark may place a marker at any int32.
            const int64_t mapX = int64_t(left) + x;
            const int64_t mapY = int64_t(top) + y;
            const uint32_t pixel = marker.Pixels[static_cast<size_t>(y) * marker.Width + x];
            if (mapX < 0 || mapY < 0 || mapX >= map.Width || mapY >= map.Height || pixel == clear ||
                (pixel >> 24) < 0x80)
                continue;
            map.Pixels[static_cast<size_t>(mapY) * map.Width + mapX] = pixel | 0xFF000000;
        }
}

} // namespace

void TGameClient::AddMapPicture(const std::string& title, const std::string& picture, const std::string& caption)
{
    if (HasName(MapPictures, title) || !PictureExists(picture))
        return;
    MapPictures.push_back(title + "=" + picture + "|" + caption);
    Form.Control("ComboMapTitle").Items.push_back(caption);
}

void TGameClient::UpdateMapMarker(const std::string& title, const std::string& marker, int operation, int32_t top,
                                  int32_t left, const std::string& picture)
{
    const auto line = std::find_if(MapPictures.begin(), MapPictures.end(),
                                   [&title](const std::string& entry) { return IsNamed(entry, title); });
    if (line == MapPictures.end())
        return;
    TMapPicture map = TMapPicture::Read(*line);
    auto named = [&marker](const TMarker& one) { return one.Name == marker; };
    if (operation == 1) {
        if (!PictureExists(picture) || std::any_of(map.Markers.begin(), map.Markers.end(), named))
            return;
        map.Markers.push_back({marker, picture, left, top});
    } else if (operation == 2) {
        std::erase_if(map.Markers, named);
    } else if (operation == 3) {
        for (TMarker& one : map.Markers)
            if (named(one)) {
                if (!picture.empty())
                    one.Picture = picture;
                if (left >= 0)
                    one.Left = left;
                if (top >= 0)
                    one.Top = top;
            }
    } else {
        return;
    }
    *line = map.Line();
    const int index = static_cast<int>(line - MapPictures.begin());
    if (Form.Control("ComboMapTitle").ItemIndex == index)
        ShowMapPicture(index);
}

void TGameClient::ShowMapPicture(int index)
{
    TControlState& shown = Form.Control("ImgMap");
    shown.Picture.reset();
    TDataManager* data = Form.DataManager.get();
    if (index < 0 || index >= static_cast<int>(MapPictures.size()) || !data)
        return;
    const TMapPicture map = TMapPicture::Read(MapPictures[index]);
    const auto background = data->LoadBitmap(map.Picture);
    if (!background)
        return;
    auto drawn = std::make_shared<TPicture>(*background);
    // "You are here" lies on top of every other marker.
    std::vector<TMarker> markers = map.Markers;
    std::stable_partition(markers.begin(), markers.end(),
                          [](const TMarker& marker) { return LowerCase(marker.Picture) != "whereami.bmp"; });
    for (const TMarker& marker : markers)
        if (const auto picture = data->LoadBitmap(marker.Picture))
            DrawMarker(*drawn, *picture, marker.Left, marker.Top);
    shown.Picture = std::move(drawn);
}
