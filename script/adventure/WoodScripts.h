// What the Whisperwood scripts share: the hunter's quest, its counters, the
// troll that holds the bridge, and the mine road beyond it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "script/adventure/TownMap.h"

// Aldo Ashby's map of the wood, with the places on it.
inline constexpr TMapPicture WoodMapPicture{"whisperwood", "map_whisperwood.bmp", "The Whisperwood"};
inline constexpr TTownPlace ValleyRoadPlace{3, 0};
inline constexpr TTownPlace WaymarkerPlace{3, 1};
inline constexpr TTownPlace BeechForkPlace{3, 2};
inline constexpr TTownPlace LodgePlace{2, 2};
inline constexpr TTownPlace NarrowingRoadPlace{3, 3};
inline constexpr TTownPlace WolfHollowPlace{4, 3};
inline constexpr TTownPlace SplitOakPlace{5, 3};
inline constexpr TTownPlace ClearingPlace{3, 4};
inline constexpr TTownPlace CharcoalRuinPlace{2, 4};
inline constexpr TTownPlace GorgeRoadPlace{3, 5};
inline constexpr TTownPlace BridgeApproachPlace{3, 6};
inline constexpr TTownPlace UnderTheBridgePlace{4, 6};
inline constexpr TTownPlace RoadOnPlace{3, 7};
inline constexpr TTownPlace BlightedPathPlace{2, 1};
inline constexpr TTownPlace DruidsGrovePlace{1, 1};
inline constexpr TTownPlace WebbedThicketPlace{1, 2};
inline constexpr TTownPlace SpiderNestPlace{0, 2};
inline constexpr TTownPlace OgreTrailPlace{2, 5};
inline constexpr TTownPlace OgreCampPlace{1, 5};
inline constexpr TTownPlace OgreDenPlace{1, 6};
inline constexpr TTownPlace WaggonersShelterPlace{3, 8};
inline constexpr TTownPlace BurntWaggonPlace{2, 8};
inline constexpr TTownPlace GoblinLookoutPlace{4, 8};
inline constexpr TTownPlace SlagTipPlace{4, 9};
inline constexpr TTownPlace FoothillRoadPlace{1, 8};
inline constexpr TTownPlace MinersShrinePlace{1, 7};
inline constexpr TTownPlace MineRoadsEndPlace{1, 9};

// Set when Aldo Ashby has asked the party to find his son.
inline constexpr const char* CounterSonQuest = "hunters_son_quest";
// Set when Tobin has come down from the oak and joined the party.
inline constexpr const char* CounterSonJoined = "hunters_son_joined";
// Set when the hunter has given the party his map of the wood.
inline constexpr const char* CounterWoodMap = "wood_map_given";
// Set when the hunter has paid for his son's return.
inline constexpr const char* CounterSonRewarded = "hunters_son_rewarded";
// Set when Mother Sorrel has asked the party to clear the spiders' nest.
inline constexpr const char* CounterGroveQuest = "druids_grove_quest";
// Set when she has been shown the canker and has given her thanks.
inline constexpr const char* CounterGroveHealed = "druids_grove_healed";
// Set when Hobb Gannet has given the party his last torch.
inline constexpr const char* CounterMinerTorchGiven = "miner_torch_given";
// Set when the party has stood at the barred gate of the mine-head.
inline constexpr const char* CounterMineGateReached = "mine_gate_reached";
// The lump of ember-ore the spiders nest around.
inline constexpr int64_t EmberCanker = 21115;

inline constexpr int64_t UnderTheBridge = 1112;
inline constexpr int64_t BridgeTroll = 30114;

class TScriptObject;

// A risky rest's roll: above holdsAbove (of 1..100) the party sleeps the night
// through and hears how; true then.
bool QuietNight(int32_t holdsAbove, const std::string& howItPassed);
// A broken rest: the notice and the pause; the place the party is in, 0 outside one.
int64_t DisruptRest(TScriptObject* script);
// What SpawnContent calls a creature.
inline constexpr int32_t CreatureKind = 20;
// What broke it walks in and the fight starts.
void RestAmbush(int64_t where, int64_t creature, int32_t count, const std::string& arrival);

// A rest broken by one kind of creature: quiet above HoldsAbove (of 1..100),
// else Count of Creature walk in. The party's dot moves to Place on Map.
struct TRiskyRest {
    TTownPlace Place;
    int32_t HoldsAbove;
    const char* HowItPassed;
    int64_t Creature;
    int32_t Count;
    const char* Arrival;
    const TMapPicture* Map = &WoodMapPicture;
};
void RestAtRisk(TScriptObject* script, const TRiskyRest& rest);

// A place of an area and its night, as the areas' tables of places hold them.
struct TPlaceNight {
    int64_t Location;
    TRiskyRest Night;
};

// The location the party stands in, 0 outside one.
int64_t PartyLocation();
// The row of a table of places for the location the party stands in, or null
// when the table has none for it.
template <typename TPlace, size_t Count>
const TPlace* PlaceOfParty(const TPlace (&places)[Count])
{
    const int64_t here = PartyLocation();
    for (const TPlace& place : places)
        if (place.Location == here)
            return &place;
    return nullptr;
}

// A fight the place starts as the party walks in: the map's dot, the scene and
// the cry.
void FightOnEntry(TTownPlace place, const std::string& scene, const std::string& cry,
                  const TMapPicture& map = WoodMapPicture);

// True while the creature stands alive in that location.
bool CreatureLivesIn(int64_t locationId, int64_t creatureId);
// True while the troll under the bridge lives.
inline bool TrollHoldsTheBridge()
{
    return CreatureLivesIn(UnderTheBridge, BridgeTroll);
}
