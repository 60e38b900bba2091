// The wolf: now and then it throws back its head and howls for the pack, which
// costs it its bite and unnerves whoever it faces for a round.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t HowlChance = 20;
constexpr int32_t UnnervedState = 10;

class TScript_500142 : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        if (Cmd().RandomRange(1, 100) > HowlChance)
            return 1;
        Cmd().Print("~<c:YELLOW>" + SelfProxy.GetName() + " howls for the pack, and " + TargetProxy.GetName() +
                    " falters");
        Cmd().AddTimedState(TargetProxy.Object, UnnervedState, 1, 0);
        return 0;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500142()
{
    return std::make_unique<TScript_500142>();
}
