// The Torn Map: half a chart of the slopes above the mines, marked with the
// cult's sign. The first time it is picked up the party knows it has found it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

class TScript_500122 : public TScriptObject {
public:
    int32_t OnPickUp() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterTornMapFound) > 0)
            return -1;
        cmd.ChangeCounter(CounterTornMapFound, true);
        cmd.PrintParagraph(SenderProxy.GetName() + " smooths out the vellum. Goat paths, a stream, a ruin high above "
                           "the mine-head, and at the torn edge the same sign as on the walls of Slag Row: a flame "
                           "burning downwards. Someone in Cindervale knows the way up there. Perhaps someone at the "
                           "temple knows what the ruin is.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500122()
{
    return std::make_unique<TScript_500122>();
}
