// What the Goblin Deeps scripts share: the party's own map of the tunnels, the
// deeps' places, their rests, and the story counters of the warren.
#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptObject.h"
#include "script/adventure/TownMap.h"

// The map the party draws for itself from the breach down.
inline constexpr TMapPicture DeepsMapPicture{"deeps", "map_goblin_deeps.bmp", "The Goblin Deeps"};

inline constexpr int64_t BreachTunnel = 1301;
inline constexpr int64_t RubbleStair = 1302;
inline constexpr int64_t WarrenMouth = 1303;
inline constexpr int64_t BatRoost = 1304;
inline constexpr int64_t ProspectorsCamp = 1305;
inline constexpr int64_t Midden = 1306;
inline constexpr int64_t WarrenCrossing = 1307;
inline constexpr int64_t SleepingBurrows = 1308;
inline constexpr int64_t FungusGrotto = 1309;
inline constexpr int64_t DrippingCave = 1310;
inline constexpr int64_t Pens = 1311;
inline constexpr int64_t BonePassage = 1312;
inline constexpr int64_t ShamansDen = 1313;
inline constexpr int64_t SunlessPool = 1314;
inline constexpr int64_t GoblinForge = 1315;
inline constexpr int64_t ChiefsGate = 1316;
inline constexpr int64_t ChiefsHall = 1317;
inline constexpr int64_t ChiefsHoard = 1318;
inline constexpr int64_t CaptivesCell = 1319;
inline constexpr int64_t RaidersCamp = 1320;
inline constexpr int64_t ChasmLedge = 1321;
inline constexpr int64_t WindyCrawl = 1322;
inline constexpr int64_t DaylightShaft = 1323;
inline constexpr int64_t SentryShelf = 1324;

inline constexpr TTownPlace BreachTunnelPlace{0, 4};
inline constexpr TTownPlace CaptivesCellPlace{6, 4};
inline constexpr TTownPlace DaylightShaftPlace{5, 7};

inline constexpr int64_t GoblinWarrior = 30030;
inline constexpr int64_t GoblinShaman = 30313;
inline constexpr int64_t GoblinChief = 30318;

// Set when the miners in the pens have been cut loose.
inline constexpr const char* CounterPensFreed = "deeps_pens_freed";
// Set when Snikk has told the party the way through the warren.
inline constexpr const char* CounterSnikkTold = "deeps_snikk_told";
// Set when the party has been asked to find the chief's prisoner.
inline constexpr const char* CounterCaptiveQuest = "deeps_captive_quest";
// Set when the prisoner has told of the Hollow Flame.
inline constexpr const char* CounterCultRevealed = "hollow_flame_revealed";
// Set when the letter in black wax has been read.
inline constexpr const char* CounterCultLetterRead = "cult_letter_read";
// Set when the sigil from the chief's hoard has been picked up.
inline constexpr const char* CounterSigilFound = "hollow_flame_sigil_found";

// The quests of the deeps, as the journal names them.
inline constexpr const char* QuestCaptive = "j_deeps_captive";
inline constexpr const char* QuestHollowFlame = "j_after_the_flame";

// Moves the party's dot to the location it stands in.
void MarkPartyInDeeps();
// A rest in the place the party stands in, at that place's odds: quiet, or
// broken by what finds the party there.
void RestInTheDeeps(TScriptObject* script);
// A fight the place starts as the party walks in.
void FightInTheDeeps(const std::string& scene, const std::string& cry);

// The chief's prisoner, heard of from the pens or the midden: the quest to find
// him opens once, with its ring on the map.
void AskAfterTheCaptive();

// A place of the deeps: a night there is a risk of its own, and each visit
// moves the party's dot.
class TDeepsPlace : public TScriptObject {
public:
    int32_t OnRest() override
    {
        RestInTheDeeps(this);
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyInDeeps();
        return -1;
    }
};

// An edge of the warren: only its nights are shared.
class TWarrenEdge : public TScriptObject {
public:
    int32_t OnRest() override
    {
        RestInTheDeeps(this);
        return 1;
    }
};
