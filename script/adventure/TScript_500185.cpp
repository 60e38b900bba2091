// The winch over the old shaft: with the shaft rope on its drum it pays the
// rope out to the bottom, and the way down shows itself.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500185 : public TScriptObject {
public:
    int32_t OnUse() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterRopeOnWinch) == 0) {
            cmd.PrintParagraph("The crank turns a bare drum. Without a rope the winch is no use.");
            return 1;
        }
        if (cmd.GetCounter(CounterOldShaftOpen) > 0) {
            cmd.PrintParagraph("The rope hangs ready down the shaft.");
            return 1;
        }
        cmd.ChangeCounter(CounterOldShaftOpen, true);
        cmd.PrintParagraph("You knock the pawl up and crank the rope out into the shaft. It runs down and down into "
                           "the dark, and at thirty fathoms it goes slack: the bottom. The way down is open.");
        cmd.ShowExit(OldShaftHead, ShaftBottom, true);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500185()
{
    return std::make_unique<TScript_500185>();
}
