// Brannoc's Forge: the smith behind his counter.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

class TScript_500148 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        Brannoc.Say("Buying or selling? Either way, don't touch the hot end.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500148()
{
    return std::make_unique<TScript_500148>();
}
