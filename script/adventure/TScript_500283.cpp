// The Ember-Steel Blade, taken from a champion of the Hollow Flame: forged
// from ember-ore the Heart has woken.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500283 : public TScriptObject {
public:
    int32_t OnIdentify() override
    {
        IdentifyRelic(this, "holds the dark sword up and sees, deep in the steel, a slow red glow that brightens "
                            "and dims like a coal breathed on. It is ember-steel, forged from ore the Heart has "
                            "woken, and it burns what it cuts.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500283()
{
    return std::make_unique<TScript_500283>();
}
