// The goblin archer: one turn in three it looses what its first quick slot holds
// (fouled arrows) instead of its ordinary shot, while any are left.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t VolleyChance = 33;

class TScript_500145 : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        if (Cmd().RandomRange(1, 100) > VolleyChance)
            return 1;
        return SelfProxy.UseQuickSlot(1, 0, TargetProxy.GetId()) ? 0 : 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500145()
{
    return std::make_unique<TScript_500145>();
}
