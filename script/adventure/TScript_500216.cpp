// The Slag Tip: fire beetles feed on the warm slag, round a carter's lost box.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500216 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(SlagTipPlace, "The beetles' shells part with a click like a tinderbox, and the glow under them "
                                   "brightens. They turn toward the warmth of you.",
                     "The fire beetles come at you!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500216()
{
    return std::make_unique<TScript_500216>();
}
