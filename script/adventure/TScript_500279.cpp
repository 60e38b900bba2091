// The Ossuary: two of the crypt's dead stand up out of the bone-stacks at the
// first step inside.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500279 : public TCryptRest {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheCrypt("A skull rolls off the top of a stack and clatters at your feet. Then two of the stacks "
                        "lean out from the wall, unfold, and stand up: the dead of the crypt, stirred by whatever "
                        "the cult has woken below.",
                        "The dead attack!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500279()
{
    return std::make_unique<TScript_500279>();
}
