// The shaft rope from the ore cart: wound on the winch of the old shaft, it
// lets the party down.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500184 : public TScriptObject {
public:
    int32_t OnPickUp() override
    {
        Cmd().PrintParagraph("Forty fathoms of shaft rope, knotted for climbing: made for a winch, not for a man's "
                             "hands.");
        return 1;
    }

    int32_t OnUseWith() override
    {
        TScriptCmd& cmd = Cmd();
        if (TargetProxy.GetTemplateId() != ShaftWinchTemplate)
            return -1;
        cmd.ChangeCounter(CounterRopeOnWinch, true);
        SenderProxy.TakeItem(SelfProxy.GetId());
        cmd.PrintParagraph(SenderProxy.GetName() + " makes the rope fast to the drum of the winch and winds it on, "
                           "turn by turn, until the knots lie snug. The pawl clicks over and holds.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500184()
{
    return std::make_unique<TScript_500184>();
}
