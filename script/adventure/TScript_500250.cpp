// The high edges of the warren, the bat roost by the breach and the ledge over
// the chasm: the bats that hang there drop on the party.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500250 : public TWarrenEdge {
public:
    int32_t OnFirstEnter() override
    {
        if (PartyLocation() == ChasmLedge)
            FightInTheDeeps("Wind comes up the chasm, and with it a stream of bats, whirling out of the dark below "
                            "the ledge and straight at your light.",
                            "The bats attack!");
        else
            FightInTheDeeps("The roof is furred with sleeping bats. Your light wakes them, and the whole roof drops "
                            "toward you at once.",
                            "The bats attack!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500250()
{
    return std::make_unique<TScript_500250>();
}
