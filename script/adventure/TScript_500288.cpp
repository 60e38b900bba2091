// The deep forge, examined: the dwarves' mark on it, and how it stands.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500288 : public TScriptObject {
public:
    int32_t OnExamine() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("Runes run round the forge's rim, worn almost smooth by the hands of smiths. Ashara's "
                           "lamp is cut over the hearth, and under it, in dwarvish and again in the common tongue: "
                           "~<i>What the Heart gives, the Forge returns.~<>");
        if (cmd.GetCounter(CounterHeartEnded) > 0)
            cmd.PrintParagraph("The forge glows, low and even, as a forge should.");
        else if (cmd.GetCounter(CounterGuardianDead) > 0)
            cmd.PrintParagraph("The coals are grey, but not dead any more: they only want the bellows.");
        else
            cmd.PrintParagraph("The coals are grey and dead, and cold as stones in a stream, though the whole "
                               "mountain is warm around them.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500288()
{
    return std::make_unique<TScript_500288>();
}
