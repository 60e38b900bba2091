// The Mine Road's End: the barred gate of the mine-head. The first visit goes
// into the journal; once the postern beside it is unlocked, it stands open.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500178 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, MineRoadsEndPlace);
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterPosternOpen) > 0) {
            cmd.PrintParagraph("The great gate is still barred, but the iron postern beside it stands open on the "
                               "passage into the rock.");
            return -1;
        }
        if (cmd.GetCounter(CounterMineGateReached) > 0) {
            cmd.PrintParagraph("The mine gate stands shut and barred, as you left it. The iron postern beside it is "
                               "locked.");
            return -1;
        }
        cmd.ChangeCounter(CounterMineGateReached, true);
        cmd.PrintParagraph("~<c:YELLOW>You set your shoulders to the gate, all of you together. It does not give a "
                           "finger's width. Whoever barred it did it from the inside, and meant it to hold. Beside it "
                           "a narrow iron postern is set into the rock, and that is locked too.");
        cmd.AddJournalEntry("j_mine_gate", "j_mine_gate.txt");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500178()
{
    return std::make_unique<TScript_500178>();
}
