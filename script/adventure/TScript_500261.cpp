// The Chief's Gate: an archer on the wall and a spearman at the gap keep the
// way to the chief's hall.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500261 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheDeeps("The spearman in the gap levels his spear at you. Behind the wall of skulls an archer is "
                        "already drawing.",
                        "The chief's guards attack!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500261()
{
    return std::make_unique<TScript_500261>();
}
