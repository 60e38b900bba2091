// The Sleeping Burrows: the goblins asleep in their holes wake as the party
// comes in.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500253 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheDeeps("A goblin sits up in its hole, blinking, and another, and a third. The one nearest you has "
                        "slept with its knife in its fist.",
                        "The goblins tumble out of their burrows!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500253()
{
    return std::make_unique<TScript_500253>();
}
