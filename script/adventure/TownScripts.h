// What several Cindervale scripts share: story counters, the search for traps
// and the way the townsfolk speak.
#pragma once

#include <cstdint>
#include <string>

class TScriptSender;

// Set when the Rat King of the cellars is dead.
inline constexpr const char* CounterCellarRatsCleared = "cellar_rats_cleared";
// Set when Brannoc has asked the party to find his hammer.
inline constexpr const char* CounterHammerQuest = "smiths_hammer_quest";
// Set when the mayor has handed the party the hammer his watch found.
inline constexpr const char* CounterHammerFound = "smiths_hammer_found";
// Set when the party has brought Brannoc his hammer.
inline constexpr const char* CounterHammerReturned = "smiths_hammer_returned";
inline constexpr int64_t BrannocsHammer = 21024;
// Set when Korra Slate has been hired at the inn.
inline constexpr const char* CounterKorraHired = "korra_hired";
// Set when the party first picked up the torn map.
inline constexpr const char* CounterTornMapFound = "torn_map_found";
// Set once the needle in the strongbox's lock is known: found by a search, or
// sprung on a pick and spent.
inline constexpr const char* CounterStrongboxNeedle = "strongbox_needle_found";

// A trap is found once, and only by a member whose Find Traps is at least
// needed (in town, above 1): the counter is set and the finding told after the
// member's name. True when this search found it.
bool FindTrap(const TScriptSender& searcher, const char* counter, const std::string& finding, int32_t needed = 2);

// One of the townsfolk: a line of speech starts with the name in the speaker's
// own colour, and the words follow in italics.
struct TSpeaker {
    const char* Name;
    const char* Colour;

    void Say(const std::string& words) const;
};

// The smith speaks in his yard and behind his counter.
inline constexpr TSpeaker Brannoc{"Brannoc", "#FF7A30"};
