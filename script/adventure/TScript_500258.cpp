// The Shaman's Den: the goblin shaman and its two guards, over a fire of the
// cult's sign.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500258 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheDeeps("The shaman turns from its fire. It is old and bent, painted white with ash, and round its "
                        "neck hangs a fetish of finger-bones. It grins, and rattles the fetish at you, and the fire "
                        "behind it leans over and burns downwards.",
                        "The shaman and its guards attack!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500258()
{
    return std::make_unique<TScript_500258>();
}
