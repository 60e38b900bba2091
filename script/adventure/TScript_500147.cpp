// The goblin firepot: the pitch sticks where it bursts and burns on for two
// rounds more.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

constexpr int32_t FireDamage = 5;
constexpr int32_t EveryRound = 1;
constexpr int32_t BurningRounds = 2;

class TScript_500147 : public TScriptObject {
public:
    int32_t OnExecute() override
    {
        Cmd().Print("Burning pitch sticks to " + TargetProxy.GetName());
        TargetProxy.DamageByText(0, "1d2", EveryRound, BurningRounds, FireDamage);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500147()
{
    return std::make_unique<TScript_500147>();
}
