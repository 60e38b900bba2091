// What the Ashfang Slopes scripts share: the party's map of the mountainside,
// the slopes' places and their nights, the hermit's riddle and the sealed
// stair to the crypt under the old temple's ruin.
#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptObject.h"
#include "script/adventure/TownMap.h"

// The map the party draws of the slopes from the shaft head up.
inline constexpr TMapPicture SlopesMapPicture{"slopes", "map_ashfang_slopes.bmp", "The Ashfang Slopes"};

inline constexpr int64_t ShaftHead = 1401;
inline constexpr int64_t HeatherSlope = 1402;
inline constexpr int64_t ScreeRun = 1403;
inline constexpr int64_t GoatTrack = 1404;
inline constexpr int64_t HermitsLedge = 1405;
inline constexpr int64_t HermitsCell = 1406;
inline constexpr int64_t WindGap = 1407;
inline constexpr int64_t SummerHut = 1408;
inline constexpr int64_t SheepWalk = 1409;
inline constexpr int64_t ShepherdsStile = 1410;
inline constexpr int64_t RidgePath = 1411;
inline constexpr int64_t HarpyCrag = 1412;
inline constexpr int64_t ThirdCairn = 1413;
inline constexpr int64_t TempleRuin = 1414;
inline constexpr int64_t BlackTarn = 1415;
// Cindervale's wall walk, where the shepherds' path comes down.
inline constexpr int64_t WallWalk = 1005;

inline constexpr TTownPlace ShaftHeadPlace{6, 5};
inline constexpr TTownPlace ScreeRunPlace{4, 5};
inline constexpr TTownPlace SummerHutPlace{4, 3};
inline constexpr TTownPlace HermitsCellPlace{2, 6};
inline constexpr TTownPlace RidgePathPlace{2, 4};
inline constexpr TTownPlace HarpyCragPlace{1, 5};
inline constexpr TTownPlace ThirdCairnPlace{1, 3};
inline constexpr TTownPlace TempleRuinPlace{0, 3};

// The mayor's seal, kept by him until he hands it over.
inline constexpr int64_t MayorsSeal = 21107;
// The hermit's reward for his riddle.
inline constexpr int64_t SprigOfMountainAsh = 21060;

// Set when the hermit has put his riddle to the party.
inline constexpr const char* CounterRiddleAsked = "hermit_riddle_asked";
// Set when the riddle has been answered.
inline constexpr const char* CounterRiddleSolved = "hermit_riddle_solved";
// Set when the party has stood at the cairn under the third peak.
inline constexpr const char* CounterCairnFound = "slopes_cairn_found";
// Set when the party has learnt that the crypt was sealed with the town's seal.
inline constexpr const char* CounterSealAsked = "towns_seal_asked";
// Set when the mayor has handed over the town's seal.
inline constexpr const char* CounterSealGiven = "mayors_seal_given";

inline constexpr const char* QuestFindTheCairn = "j_find_the_cairn";
inline constexpr const char* QuestHermitsRiddle = "j_hermits_riddle";
inline constexpr const char* QuestTownsSeal = "j_the_towns_seal";

// A night in the place the party stands in, at that place's odds.
void RestOnTheSlopes(TScriptObject* script);
// What the party sees the first time it stands in the place: the slopes' own
// words for it, with the dot moved there.
void FirstLookOnTheSlopes();
// The party learns that the crypt under the ruin was sealed with the town's
// seal: unless the mayor has handed it over already, the quest to fetch it
// opens, once, ringed at the mayor's hall.
void AskForTheTownsSeal();
// A fight the place starts as the party walks in.
void FightOnTheSlopes(TTownPlace place, const std::string& scene, const std::string& cry);

// A place of the slopes: the first look at it, and a night there at its risk.
class TSlopePlace : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        FirstLookOnTheSlopes();
        return 1;
    }

    int32_t OnRest() override
    {
        RestOnTheSlopes(this);
        return 1;
    }
};
