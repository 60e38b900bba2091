// The Road on toward the Mines: beyond the troll bridge. For now the road ends
// here; the climb to the mine-head opens later.
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
        cmd.PrintParagraph("~<c:YELLOW>The way to the mines goes on up the Ashfang slopes, toward the smoke over the "
                           "mine-head. That climb is for another day.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500157()
{
    return std::make_unique<TScript_500157>();
}
