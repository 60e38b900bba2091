// The grey ember-ore of the old working: dead ore, with something still alive
// deep in it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500123 : public TScriptObject {
public:
    int32_t OnPickUp() override
    {
        Cmd().PrintParagraph("It is cold, and heavier than ore should be. Held to the light, it shows a thread of "
                             "dull red deep inside it, like the last coal under a banked fire, and the thread "
                             "pulses very slowly, like something breathing.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500123()
{
    return std::make_unique<TScript_500123>();
}
