// What the Ember Heart's scripts share: the party's map of the deep workings,
// their places and nights, the story counters of the heart, and the end of it.
#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptObject.h"
#include "script/adventure/TownMap.h"

// The map the party draws for itself from the cinder stair down.
inline constexpr TMapPicture HeartMapPicture{"heart", "map_ember_heart.bmp", "The Ember Heart"};

inline constexpr int64_t CinderStair = 1601;
inline constexpr int64_t ScorchedGallery = 1602;
inline constexpr int64_t MinersHollow = 1603;
inline constexpr int64_t FireRift = 1604;
inline constexpr int64_t DeepForge = 1605;
inline constexpr int64_t PenitentsCells = 1606;
inline constexpr int64_t VigilOfTheFlame = 1607;
inline constexpr int64_t HeartChamber = 1608;
inline constexpr int64_t GuardiansHoard = 1609;

inline constexpr TTownPlace CinderStairPlace{0, 2};
inline constexpr TTownPlace ScorchedGalleryPlace{1, 2};
inline constexpr TTownPlace FireRiftPlace{2, 2};
inline constexpr TTownPlace DeepForgePlace{2, 3};
inline constexpr TTownPlace HeartChamberPlace{4, 2};

inline constexpr int64_t CinderWisp = 30061;
inline constexpr int64_t EmberMadGoblin = 30062;
// The shard as the heart gives it up, and as the forge's blast wakes it.
inline constexpr int64_t EmberShard = 21601;
inline constexpr int64_t WhiteHotShard = 21602;
inline constexpr int64_t DeepForgeTemplate = 21082;

// Set when the guardian of the heart has fallen.
inline constexpr const char* CounterGuardianDead = "heart_guardian_dead";
// Set when the forge's last smith has told the party how the heart is ended.
inline constexpr const char* CounterSmithTold = "heart_smith_told";
// Set when the shard has been reforged and the heart is ended.
inline constexpr const char* CounterHeartEnded = "heart_ended";

// The quest of the heart, as the journal names it.
inline constexpr const char* QuestEmberHeart = "j_ember_heart";

// Moves the party's dot to the location it stands in.
void MarkPartyInHeart();
// A night in the place the party stands in, at that place's odds; every night
// is quiet once the heart is ended.
void RestInTheHeart(TScriptObject* script);
// The quest of the heart opens once, with its ring on the heart chamber.
void OpenTheHeartQuest();
// Every quest still open in the quest book is done, its ring off every map.
void CloseEveryOpenQuest();

// A place of the deep workings: only its nights are its own.
class THeartRest : public TScriptObject {
public:
    int32_t OnRest() override
    {
        RestInTheHeart(this);
        return 1;
    }
};
