// The Flooded Nave: while the cult's mark is on the altar the water is warm
// and the chanting carries up from the chapel; once the altar is clean the
// water goes cold and still.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500268 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInCrypt();
        if (cmd.GetCounter(CounterAltarCleansed) > 0)
            cmd.PrintParagraph("The water of the nave lies cold and still now, and clear enough to see the floor "
                               "under it. Nobody is chanting.");
        else
            cmd.PrintParagraph("The water round your knees is warm as blood. From somewhere to the south, beyond the "
                               "iron door, comes a low chanting that never quite stops.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500268()
{
    return std::make_unique<TScript_500268>();
}
