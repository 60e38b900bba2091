// The Embalmers' Room: a cultist who has lost his stomach for the Flame hides
// among the jars.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500297 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInCrypt();
        Cmd().PrintParagraph("Behind the last slab, among the jars, a young man in a cultist's grey robe is "
                             "crouching with his hands up and empty. \"Don't,\" he says. \"Please. I'm done with "
                             "them. I'll tell you anything.\"");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500297()
{
    return std::make_unique<TScript_500297>();
}
