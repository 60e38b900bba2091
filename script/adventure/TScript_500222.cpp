// The Lift-Head: the goblins who hold it get up from their pot.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500222 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(LiftHeadPlace, "The goblins at the fire look up. One of them kicks the pot over into the flames, "
                                    "and the archer on the rail draws.",
                     "The goblins attack!", MinesMapPicture);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500222()
{
    return std::make_unique<TScript_500222>();
}
