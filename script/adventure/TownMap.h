// Cindervale's map picture on the map tab: the red dot where the party stands
// and a gold ring on the goal of each open quest of the town.
#pragma once

#include <cstdint>

// Where a location's cell lies on the town map (row and column, as area_data has them).
struct TTownPlace {
    int32_t Row;
    int32_t Column;
};

inline constexpr TTownPlace MarketSquarePlace{3, 4};
inline constexpr TTownPlace EmberGatePlace{3, 6};
inline constexpr TTownPlace TollBridgePlace{3, 7};
inline constexpr TTownPlace MayorsHallPlace{1, 4};
inline constexpr TTownPlace TemplePlace{1, 3};
inline constexpr TTownPlace SmithyYardPlace{3, 2};
inline constexpr TTownPlace InnPlace{5, 4};

// Adds the picture, with the party's dot on the square, once.
void ShowTownMap();
// Moves the party's dot; nothing before the map is found.
void MarkPartyOnTownMap(TTownPlace place);
// The goal of the quest of that name, ringed until the quest is done.
void MarkQuestGoal(const char* quest, TTownPlace place);
void ClearQuestGoal(const char* quest);
