// Tamsin's Provisions: the halfling on her high stool sees every shelf and
// every pocket, and sells food, torches, rope and potions, and a hunter's gear.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Tamsin{"Tamsin", "#A8D060"};

class TScript_500149 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        if (Cmd().GetCounter(CounterCellarRatsCleared) == 0)
            Tamsin.Say("Come in, come in, wipe your boots. Torches by the door, rope on the left, and rat poison "
                       "by the dozen, for all the good it does.");
        else
            Tamsin.Say("Come in, wipe your boots! Word is you cleared out those rats. I'll be stuck with a dozen "
                       "vials of poison now, you know.");
        Cmd().OpenShop("Tamsin's Provisions", 10, 15, 1017);
        Cmd().RunShop(this);
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500149()
{
    return std::make_unique<TScript_500149>();
}
