// The Road on toward the Mines: beyond the troll bridge, where the road goes on
// east along the foot of the slopes.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr const char* CounterBridgeCrossed = "troll_bridge_crossed";

class TScript_500157 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, RoadOnPlace);
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterBridgeCrossed) == 0) {
            cmd.ChangeCounter(CounterBridgeCrossed, true);
            cmd.AddJournalEntry("j_troll_bridge", "j_troll_bridge.txt");
        }
        cmd.PrintParagraph("The ore waggons' ruts run on east along the foot of the slopes, toward a long roof by the "
                           "roadside. Above them the smoke of the mine-head hangs in the still air.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500157()
{
    return std::make_unique<TScript_500157>();
}
