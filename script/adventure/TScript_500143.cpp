// The giant spider: one bite in three carries its venom, which burns for three
// rounds on top of the bite.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t VenomChance = 33;
constexpr int32_t PoisonDamage = 9;
constexpr int32_t OnceARound = 7;
constexpr int32_t VenomRounds = 3;

class TScript_500143 : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        if (Cmd().RandomRange(1, 100) <= VenomChance) {
            Cmd().Print("~<c:#80FF80>" + SelfProxy.GetName() + "'s fangs drip venom into " + TargetProxy.GetName());
            TargetProxy.DamageByText(0, "1d3", OnceARound, VenomRounds, PoisonDamage);
        }
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500143()
{
    return std::make_unique<TScript_500143>();
}
