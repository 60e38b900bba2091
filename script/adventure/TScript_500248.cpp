// The Warren Crossing: the heart of the warren, where every tunnel meets and a
// rest is almost sure to be found.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500248 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("Somewhere below, a drum is beating, slow, like a heart. On the pillar in the middle of "
                             "the crossing someone has scratched a circle with a flame inside it, burning downwards, "
                             "and the goblins have hung it with offerings: a miner's cap, a lamp, a boot.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500248()
{
    return std::make_unique<TScript_500248>();
}
