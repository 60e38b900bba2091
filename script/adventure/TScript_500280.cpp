// The goblin shaman: on its first three turns it works what its three quick slots
// hold against its foe, and only then strikes; a fallen shaman does neither.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t ChantingTurns = 3;

class TScript_500280 : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        if (SelfProxy.GetAttribute(AttributeEndurance) <= 0)
            return 0;
        if (++Turns > ChantingTurns)
            return 1;
        if (!SelfProxy.UseQuickSlot(Turns, 0, TargetProxy.GetId()))
            Cmd().Print(SelfProxy.GetName() + " chants and points a bone at " + TargetProxy.GetName());
        return 0;
    }

    // The shaman's turns in this fight.
    int32_t Turns = 0;
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500280()
{
    return std::make_unique<TScript_500280>();
}
