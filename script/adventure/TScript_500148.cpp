// Brannoc's Forge: the smith behind his counter buys and sells weapons and armour.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

class TScript_500148 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        Brannoc.Say("Buying or selling? Either way, don't touch the hot end.");
        // He pays four fifths of what a thing is worth, and asks a little over it.
        Cmd().OpenShop("Brannoc's Forge", 20, 15, 1015);
        Cmd().RunShop(this);
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500148()
{
    return std::make_unique<TScript_500148>();
}
