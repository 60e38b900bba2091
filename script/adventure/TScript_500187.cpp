// The ore cart under the last chute: grey ore, and a hewer's hidden pay.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500187 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        Cmd().PrintParagraph("You drag the sack off the top. Someone hid his pay and a draught under it, on the dead "
                             "grey ore, and never came back for them. Stuck in the cart's side is a goblin arrow.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500187()
{
    return std::make_unique<TScript_500187>();
}
