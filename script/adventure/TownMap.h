// The map pictures on the map tab, Cindervale's and the Whisperwood's: the red
// dot where the party stands and a gold ring on the goal of each open quest.
#pragma once

#include <cstdint>

// Where a location's cell lies on its area's map (row and column, as area_data has them).
struct TTownPlace {
    int32_t Row;
    int32_t Column;
};

// A map picture: its title on the map tab, its file and its caption.
struct TMapPicture {
    const char* Title;
    const char* File;
    const char* Caption;
};

inline constexpr TMapPicture TownMapPicture{"cindervale", "map_cindervale.jpg", "Cindervale"};

inline constexpr TTownPlace MarketSquarePlace{3, 4};
inline constexpr TTownPlace EmberGatePlace{3, 6};
inline constexpr TTownPlace TollBridgePlace{3, 7};
inline constexpr TTownPlace MayorsHallPlace{1, 4};
inline constexpr TTownPlace TemplePlace{1, 3};
inline constexpr TTownPlace SmithyYardPlace{3, 2};
inline constexpr TTownPlace InnPlace{5, 4};

// Adds the picture, with the party's dot where it stands, once.
void ShowMap(const TMapPicture& map, TTownPlace partyAt);
// Moves the party's dot; nothing before the map is found.
void MarkPartyOnMap(const TMapPicture& map, TTownPlace place);
// The goal of the quest of that name, ringed until the quest is done.
void MarkQuestGoalOnMap(const TMapPicture& map, const char* quest, TTownPlace place);
void ClearQuestGoalOnMap(const TMapPicture& map, const char* quest);

// The town's map, handed over in the Mayor's Hall with the party on the square.
void ShowTownMap();
void MarkPartyOnTownMap(TTownPlace place);
void MarkQuestGoal(const char* quest, TTownPlace place);
void ClearQuestGoal(const char* quest);
