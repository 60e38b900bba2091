// The Winding-House: a sapper and a raider feed the boiler fire.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500223 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(WindingHousePlace, "A broad goblin in a miner's jerkin straightens from the firebox with a pick "
                                        "in its hands. It has been using the pick to break up a chair.",
                     "The goblins attack!", MinesMapPicture);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500223()
{
    return std::make_unique<TScript_500223>();
}
