// What the Whisperwood scripts share: the hunter's quest, its counters and
// the troll that holds the bridge.
#pragma once

#include <cstdint>

// Set when Aldo Ashby has asked the party to find his son.
inline constexpr const char* CounterSonQuest = "hunters_son_quest";
// Set when Tobin has come down from the oak and joined the party.
inline constexpr const char* CounterSonJoined = "hunters_son_joined";
// Set when the hunter has paid for his son's return.
inline constexpr const char* CounterSonRewarded = "hunters_son_rewarded";

inline constexpr int64_t UnderTheBridge = 1112;
inline constexpr int64_t BridgeTroll = 30114;

// True while the creature stands alive in that location.
bool CreatureLivesIn(int64_t locationId, int64_t creatureId);
// True while the troll under the bridge lives.
inline bool TrollHoldsTheBridge()
{
    return CreatureLivesIn(UnderTheBridge, BridgeTroll);
}
