// Dunmore Pike, the shift's timberman, who built the props.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Dunmore{"Dunmore Pike", "#B0A080"};

class TScript_500164 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        Dunmore.Say("Thirty years I've set props in this mountain, and never set any I was so glad to see hold. Mind "
                    "that passage you came by. The roof there is only waiting for an excuse.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500164()
{
    return std::make_unique<TScript_500164>();
}
