// The bone fetish's hex: besides its burn, it drinks warmth out of the foe
// into whoever rattles it.
#include <algorithm>

#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t WarmthDrunk = 2;

class TScript_500146 : public TScriptObject {
public:
    int32_t OnExecute() override
    {
        const int32_t endurance = SenderProxy.GetAttribute(AttributeEndurance);
        const int32_t most = SenderProxy.GetAttribute(AttributeEnduranceMax);
        if (endurance > 0 && endurance < most)
            SenderProxy.SetAttribute(AttributeEndurance, std::min(endurance + WarmthDrunk, most), 0);
        Cmd().Print("The fetish drinks the warmth out of " + TargetProxy.GetName() + " into " +
                    SenderProxy.GetName());
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500146()
{
    return std::make_unique<TScript_500146>();
}
