// The Goblin Lookout: two archers keep watch on the road, and shoot.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500215 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(GoblinLookoutPlace, "One goblin nocks an arrow. The other licks the head of his and grins at you "
                                         "over the wall.",
                     "The goblins shoot!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500215()
{
    return std::make_unique<TScript_500215>();
}
