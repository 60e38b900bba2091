// The Goblin Breach: the hole into the goblins' warren. The first sight of it
// goes into the journal; a rest at the goblins' door is broken three nights
// in four.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

constexpr int64_t GoblinRaider = 30005;
constexpr int32_t GoblinsPassBy = 75; // a roll above this sleeps the night through
// Set when the party has first stood at the breach.
constexpr const char* CounterBreachReached = "goblin_breach_reached";
constexpr TDarkTunnel Tunnel{GoblinBreachPlace, OldWorking,
                             "In the dark you find the hole by its smell, and by the drumming that comes up it."};

class TScript_500201 : public TDarkTunnelScript {
public:
    TScript_500201() : TDarkTunnelScript(Tunnel) {}

    int32_t OnEnter() override
    {
        TDarkTunnelScript::OnEnter();
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterBreachReached) > 0)
            return 1;
        cmd.ChangeCounter(CounterBreachReached, true);
        cmd.PrintParagraph("~<c:YELLOW>The drum below stops. For a long moment there is no sound at all. Then it "
                           "starts again, faster.");
        cmd.AddJournalEntry("j_goblin_breach", "j_goblin_breach.txt");
        return 1;
    }

    int32_t OnRest() override
    {
        RestAtRisk(this, {GoblinBreachPlace, GoblinsPassBy,
                          "The drum beats on below all night, but nothing comes up the tunnel. The party rests.",
                          GoblinRaider, 3,
                          "The drum stops. Out of the hole come goblins, three of them, quick and quiet. Goblins "
                          "attack!",
                          &MinesMapPicture});
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500201()
{
    return std::make_unique<TScript_500201>();
}
