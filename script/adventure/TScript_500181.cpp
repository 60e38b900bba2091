// The lift lever, at the lift-head and at the lift foot: the goblins knocked
// its handle out and hid it in the coal bunker. With the handle back, pulling
// the lever takes the cage down to the third gallery, or up again.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

// Set the first time the cage has taken the party down.
constexpr const char* CounterLiftRidden = "mine_lift_ridden";

class TScript_500181 : public TScriptObject {
public:
    int32_t OnExamine() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterLeverFitted) > 0) {
            cmd.PrintParagraph("The handle sits snug in its socket again.");
            return 1;
        }
        std::string text = "The handle has been knocked out of the socket. Without it the lever cannot be worked.";
        if (PartyHasItem(LeverHandleTemplate))
            text += " The handle you found in the coal bunker is the one.";
        cmd.PrintParagraph(text);
        return 1;
    }

    int32_t OnUse() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterLeverFitted) == 0) {
            if (!TakeFromParty(LeverHandle)) {
                cmd.PrintParagraph("The lever's socket is empty. There is nothing to pull.");
                return 1;
            }
            cmd.ChangeCounter(CounterLeverFitted, true);
            cmd.PrintParagraph(SenderProxy.GetName() + " knocks the handle home into the socket.");
        }
        const TVariant here = cmd.GetVariable("LOC_ID");
        if (std::holds_alternative<int64_t>(here) && std::get<int64_t>(here) == LiftFoot) {
            cmd.PrintParagraph("The lever goes over, far above a bell rings, and the cage lurches and climbs. Grey "
                               "light grows over your heads, and the cage stops at the lift-head.");
            cmd.MoveParty(LiftHead);
            MarkPartyOnMap(MinesMapPicture, LiftHeadPlace);
            return 1;
        }
        cmd.PrintParagraph("~<c:YELLOW>The lever goes over with a clank. The great wheel turns, the cable sings, and "
                           "the cage drops away under your feet into the dark, down past the first gallery and the "
                           "second, until it slows and settles at the third.");
        if (cmd.GetCounter(CounterLiftRidden) == 0) {
            cmd.ChangeCounter(CounterLiftRidden, true);
            cmd.AddJournalEntry("j_mine_lift", "j_mine_lift.txt");
        }
        cmd.MoveParty(LiftFoot);
        MarkPartyOnMap(MinesMapPicture, LiftFootPlace);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500181()
{
    return std::make_unique<TScript_500181>();
}
