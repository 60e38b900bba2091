// The keg of blasting powder from the powder store: the blast throws every
// enemy it reaches off its feet, and each loses its next turn.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

constexpr int32_t Stunned = 10;

class TScript_500139 : public TScriptObject {
public:
    int32_t OnExecute() override
    {
        if (!TargetProxy.Object)
            return 1;
        Cmd().Print("~<c:YELLOW>The blast throws " + TargetProxy.GetName() + " off its feet");
        Cmd().AddTimedState(TargetProxy.Object, Stunned, 1, 0);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500139()
{
    return std::make_unique<TScript_500139>();
}
