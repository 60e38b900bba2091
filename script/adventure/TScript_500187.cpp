// The ore cart under the last chute: grey ore, and the shaft rope under a sack.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500187 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        Cmd().PrintParagraph("You drag the sack off the top. Under it, on the dead grey ore, lies a coil of good "
                             "rope, and stuck in the cart's side is a goblin arrow.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500187()
{
    return std::make_unique<TScript_500187>();
}
