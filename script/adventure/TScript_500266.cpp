// The hermit's sprig of mountain ash: besides the strength it gives back, the
// mountain air it breathes into a member drives any poison out of him.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500266 : public TScriptObject {
public:
    int32_t OnExecute() override
    {
        if (!TargetProxy.Object)
            return 1;
        Cmd().CurePoison(TargetProxy.GetId());
        Cmd().Print("~<c:LIME>A smell of snow and heather, and " + TargetProxy.GetName() + " breathes deep and "
                    "clear");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500266()
{
    return std::make_unique<TScript_500266>();
}
