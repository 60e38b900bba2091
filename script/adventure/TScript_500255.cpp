// The Midden: the warren's refuse pit. As the party first comes in the scree
// chute down from the rubble stair pours full, and that way is gone; the grubs
// of the muck come at the party.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500255 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("Up the scree chute in the north-east corner, stones start to move. The whole slope pours "
                           "down in a long grinding hiss, and when the dust clears the chute is packed solid to the "
                           "roof. There is no going up that way now.");
        cmd.ShowExit(Midden, RubbleStair, false);
        cmd.ShowExit(RubbleStair, Midden, false);
        FightInTheDeeps("The noise has woken the muck. Two grubs as long as a man's leg heave up out of it, blind and "
                        "dripping.",
                        "The midden grubs come at you!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500255()
{
    return std::make_unique<TScript_500255>();
}
