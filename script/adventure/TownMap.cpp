#include "script/adventure/TownMap.h"

#include "script/ScriptCommands.h"

namespace {

constexpr const char* TownMapTitle = "cindervale";
constexpr const char* PartyMarker = "party";
constexpr const char* PartyPicture = "whereami.bmp";
constexpr const char* GoalPicture = "goal.bmp";
constexpr int32_t Add = 1;
constexpr int32_t Remove = 2;
constexpr int32_t Change = 3;
// The picture is 480 by 360 for the area's 10 columns and 8 rows; the 12-pixel
// markers sit in the middle of a cell.
constexpr int32_t CellWidth = 48;
constexpr int32_t CellHeight = 45;
constexpr int32_t MarkerSize = 12;

int32_t Top(TTownPlace place)
{
    return place.Row * CellHeight + (CellHeight - MarkerSize) / 2;
}

int32_t Left(TTownPlace place)
{
    return place.Column * CellWidth + (CellWidth - MarkerSize) / 2;
}

} // namespace

void ShowTownMap()
{
    TScriptCmd& cmd = Cmd();
    cmd.AddMapPicture(TownMapTitle, "map_cindervale.jpg", "Cindervale");
    cmd.MapMarker(TownMapTitle, PartyMarker, Add, Top(MarketSquarePlace), Left(MarketSquarePlace), PartyPicture);
}

void MarkPartyOnTownMap(TTownPlace place)
{
    Cmd().MapMarker(TownMapTitle, PartyMarker, Change, Top(place), Left(place), "");
}

void MarkQuestGoal(const char* quest, TTownPlace place)
{
    Cmd().MapMarker(TownMapTitle, quest, Add, Top(place), Left(place), GoalPicture);
}

void ClearQuestGoal(const char* quest)
{
    Cmd().MapMarker(TownMapTitle, quest, Remove, 0, 0, "");
}
