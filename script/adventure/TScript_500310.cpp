// The fire rift: the heart's breath rises here, and takes shape.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500310 : public THeartRest {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(FireRiftPlace,
                     "Sparks stream up out of the rift in a slow red river. As you come to its edge two knots of "
                     "them draw together in the air, thicken into shapes like burning moths, and turn toward you.",
                     "Cinder wisps attack!", HeartMapPicture);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500310()
{
    return std::make_unique<TScript_500310>();
}
