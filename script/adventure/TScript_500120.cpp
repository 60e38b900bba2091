// The Sealed Cellar: the Rat King's court, which falls on the party at once, the
// cult's meeting place, and the strongbox whose lock hides a needle.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

class TScript_500120 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("The candle-stubs in the niches are soft, the wax still pale. Whoever meets here has met "
                             "here within the week, and the chain of the strongbox shines with fresh oil.");
        Cmd().PrintParagraph("~<c:YELLOW>Out of the dark the Rat King and its court come at you!");
        Cmd().CheckForCombat();
        return 1;
    }

    int32_t OnFindTraps() override
    {
        return FindTrap(SenderProxy, CounterStrongboxNeedle,
                        "runs a careful eye over the strongbox and finds what its makers hid: a hair-fine needle "
                        "set deep in the keyhole, ready to spring at a careless pick. Its poison has dried to a black "
                        "crust, but it would still hurt. With it known, a pick can go around it.")
                   ? 1
                   : -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500120()
{
    return std::make_unique<TScript_500120>();
}
