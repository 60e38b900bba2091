// The fire beetle: one turn in four it sprays burning spittle instead of biting.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t SprayChance = 25;
constexpr int32_t FireDamage = 5;

class TScript_500144 : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        if (Cmd().RandomRange(1, 100) > SprayChance)
            return 1;
        Cmd().Print("~<c:#FF8040>" + SelfProxy.GetName() + " sprays burning spittle over " + TargetProxy.GetName());
        TargetProxy.DamageByText(0, "2d4", -1, -1, FireDamage);
        return 0;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500144()
{
    return std::make_unique<TScript_500144>();
}
