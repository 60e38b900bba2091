// The Old Watchtower: the raiders' way over the wall, guarded by a tripwire
// tied to the door. The door slackens the wire on the way in and pulls it
// taut on the way out; unless someone finds it first, leaving rings the alarm
// bell and brings a goblin lookout up onto the wall walk.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr int64_t GoblinRaider = 30005;
constexpr int32_t LivingCreature = 20;
// Set once the tripwire is found or has been sprung.
constexpr const char* CounterWatchtowerWire = "watchtower_wire_found";

class TScript_500107 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("When the door swings to behind you, the draught through the doorway hums on one thin "
                             "note, as if something were strung taut across it.");
        return 1;
    }

    int32_t OnExit(int64_t destination) override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterWatchtowerWire) > 0)
            return -1;
        cmd.ChangeCounter(CounterWatchtowerWire, true);
        cmd.PrintParagraph("Something snags at your ankle as you step through the doorway. Up under the roof-hatch a "
                           "bell clangs, once, twice, wildly. Below the wall a door bangs, and feet come scrabbling up "
                           "the stonework to the wall walk.");
        cmd.SpawnContent(GoblinRaider, LivingCreature, 0, 1, destination);
        return -1;
    }

    int32_t OnFindTraps() override
    {
        return FindTrap(SenderProxy, CounterWatchtowerWire,
                        "finds a black cord stretched across the threshold at ankle height, tied off to the door "
                        "and run up through a crack to a bell under the roof-hatch. Whoever swept this floor wanted "
                        "to know who left in a hurry. A careful knife takes care of it.")
                   ? 1
                   : -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500107()
{
    return std::make_unique<TScript_500107>();
}
