// The Breach Tunnel: where the party comes down out of the mines into the
// goblins' own tunnels, and starts a map of them. A rest here is a gamble on the
// goblins using their road.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500246 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        ShowMap(DeepsMapPicture, BreachTunnelPlace);
        cmd.PrintParagraph("The walls here were never cut by miners. They are gnawed, chipped out a fist at a time, "
                           "and greasy at shoulder height where a thousand small bodies have rubbed past. In the dust "
                           "are goblin footprints by the hundred: going up light, coming back down heavy.");
        cmd.PrintParagraph("~<c:LIME>You begin a map of the tunnels on the back of a tally-sheet. It is on the map "
                           "tab.");
        cmd.AddJournalEntry("j_deeps", "j_deeps.txt");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500246()
{
    return std::make_unique<TScript_500246>();
}
