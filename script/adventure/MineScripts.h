// What the Ashfang Mines scripts share: the mines' map and its places, the
// story counters of the way down, and the dark tunnels that need a light.
#pragma once

#include <cstdint>

#include "script/ScriptObject.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/WoodScripts.h"

// The mine's plan, found inside the postern, with the places on it.
inline constexpr TMapPicture MinesMapPicture{"ashfang mines", "map_ashfang_mines.bmp", "The Ashfang Mines"};
inline constexpr TTownPlace PosternPassagePlace{0, 0};
inline constexpr TTownPlace LiftHeadPlace{0, 1};
inline constexpr TTownPlace WindingHousePlace{0, 2};
inline constexpr TTownPlace BunkhousePlace{2, 0};
inline constexpr TTownPlace LiftFootPlace{2, 1};
inline constexpr TTownPlace DarkTunnelPlace{2, 3};
inline constexpr TTownPlace FloodedGalleryPlace{4, 3};
inline constexpr TTownPlace BlackDriftPlace{4, 2};
inline constexpr TTownPlace BeetleCavePlace{5, 3};
inline constexpr TTownPlace SeventhGalleryPlace{6, 1};
inline constexpr TTownPlace CollapsingPassagePlace{6, 2};
inline constexpr TTownPlace ShoredGalleryPlace{6, 3};
inline constexpr TTownPlace NinthGalleryPlace{6, 4};
inline constexpr TTownPlace OldWorkingPlace{6, 5};
inline constexpr TTownPlace GoblinBreachPlace{7, 5};

inline constexpr int64_t MineRoadsEnd = 1127;
inline constexpr int64_t PosternPassage = 1201;
inline constexpr int64_t LiftHead = 1202;
inline constexpr int64_t LiftFoot = 1205;
inline constexpr int64_t ThirdGallery = 1206;
inline constexpr int64_t OldShaftHead = 1209;
inline constexpr int64_t ShaftBottom = 1211;
inline constexpr int64_t FloodedGallery = 1212;
inline constexpr int64_t BeetleCave = 1215;
inline constexpr int64_t SeventhGallery = 1216;
inline constexpr int64_t ShoredGallery = 1218;
inline constexpr int64_t OldWorking = 1220;

inline constexpr int64_t LeverHandleTemplate = 21041;
inline constexpr int64_t LeverHandle = 21203;
inline constexpr int64_t ShaftWinchTemplate = 21043;
inline constexpr int64_t WeighmansKeyTemplate = 21044;

// Set when the postern beside the mine gate has been unlocked.
inline constexpr const char* CounterPosternOpen = "mine_postern_open";
// Set when the handle is back in the lift lever.
inline constexpr const char* CounterLeverFitted = "lift_lever_fitted";
// Set when the shaft rope is wound on the winch of the old shaft.
inline constexpr const char* CounterRopeOnWinch = "shaft_rope_on_winch";
// Set when the rope hangs down the old shaft.
inline constexpr const char* CounterOldShaftOpen = "old_shaft_open";
// Set when Wat Colley has told where the fourth shift is, and died.
inline constexpr const char* CounterDyingMinerSpoke = "dying_miner_spoke";
// Set when the fourth shift has come out from behind its props.
inline constexpr const char* CounterMinersFreed = "miners_freed";

// A tunnel past the last of the ember-lamps: only WayBack may be taken without a
// light.
struct TDarkTunnel {
    TTownPlace Place;
    int64_t WayBack;
    const char* Blind; // what the party makes out of the place without a light
};

// The dark tunnels' scripts: entering moves the party's dot and says what
// the dark hides; leaving any way but back needs a light.
class TDarkTunnelScript : public TScriptObject {
public:
    explicit TDarkTunnelScript(const TDarkTunnel& tunnel) : Where(tunnel) {}
    int32_t OnEnter() override;
    int32_t OnExit(int64_t destination) override;

private:
    const TDarkTunnel& Where;
};
