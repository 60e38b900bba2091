// The Shepherds' Stile: the last wall above Cindervale, where the path goes
// down onto the town's wall walk. From the wall walk nobody marks the stile
// until the party has come down over it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500239 : public TSlopePlace {
public:
    int32_t OnFirstEnter() override
    {
        FirstLookOnTheSlopes();
        Cmd().ShowExit(WallWalk, ShepherdsStile, true);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500239()
{
    return std::make_unique<TScript_500239>();
}
