#include "app/MapForm.h"

#include "session/GameClient.h"
#include "session/Process.h"
#include "world/AreaMap.h"

TFrmMap::TFrmMap() : TFormModel("FrmMap", "Area Map")
{
    auto& grid = Add("MGrid", TControlKind::DrawGrid);
    grid.Enabled = false;
    grid.OnPaint = [](ICanvas& canvas) { DrawAreaMap(canvas, AreaMap(), GameClient().CurrentLocation); };
    const TMapArea& map = AreaMap();
    grid.Caption = map.Name;
    // Rows and columns, for hosts that size the grid.
    grid.Max = map.Height;
    grid.Tag = map.Width;
}
