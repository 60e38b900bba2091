#include "script/adventure/TownMap.h"

#include "script/ScriptCommands.h"

namespace {

constexpr const char* PartyMarker = "party";
constexpr const char* PartyPicture = "whereami.bmp";
constexpr const char* GoalPicture = "goal.bmp";
constexpr int32_t Add = 1;
constexpr int32_t Remove = 2;
constexpr int32_t Change = 3;
// Both pictures have cells of 48 by 45 pixels (the town's 480 by 360 for 10
// columns and 8 rows); the 12-pixel markers sit in the middle of a cell.
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

void ShowMap(const TMapPicture& map, TTownPlace partyAt)
{
    TScriptCmd& cmd = Cmd();
    cmd.AddMapPicture(map.Title, map.File, map.Caption);
    cmd.MapMarker(map.Title, PartyMarker, Add, Top(partyAt), Left(partyAt), PartyPicture);
}

void MarkPartyOnMap(const TMapPicture& map, TTownPlace place)
{
    Cmd().MapMarker(map.Title, PartyMarker, Change, Top(place), Left(place), "");
}

void MarkQuestGoalOnMap(const TMapPicture& map, const char* quest, TTownPlace place)
{
    Cmd().MapMarker(map.Title, quest, Add, Top(place), Left(place), GoalPicture);
}

void ClearQuestGoalOnMap(const TMapPicture& map, const char* quest)
{
    Cmd().MapMarker(map.Title, quest, Remove, 0, 0, "");
}

void ShowTownMap()
{
    ShowMap(TownMapPicture, MarketSquarePlace);
}

void MarkPartyOnTownMap(TTownPlace place)
{
    MarkPartyOnMap(TownMapPicture, place);
}

void MarkQuestGoal(const char* quest, TTownPlace place)
{
    MarkQuestGoalOnMap(TownMapPicture, quest, place);
}

void ClearQuestGoal(const char* quest)
{
    ClearQuestGoalOnMap(TownMapPicture, quest);
}
