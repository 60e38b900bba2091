// The Beetle Cave: two fire beetles grazing on the warm slag.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500225 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(BeetleCavePlace, "The beetles' shells click as they turn. Between their mandibles the spittle "
                                      "glows.",
                     "The fire beetles come at you!", MinesMapPicture);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500225()
{
    return std::make_unique<TScript_500225>();
}
