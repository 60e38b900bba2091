// A flask of lamp oil from Hobb's lamp room, lit and thrown: the oil clings to
// whoever it strikes and goes on burning for three rounds.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

constexpr int32_t FireDamage = 5;
constexpr int32_t OnceARound = 7;
constexpr int32_t BurningRounds = 3;

class TScript_500140 : public TScriptObject {
public:
    int32_t OnExecute() override
    {
        if (!TargetProxy.Object)
            return 1;
        Cmd().Print("~<c:#FF8040>The burning oil clings to " + TargetProxy.GetName());
        TargetProxy.DamageByText(0, "1d3", OnceARound, BurningRounds, FireDamage);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500140()
{
    return std::make_unique<TScript_500140>();
}
