// The Foothill Road, climbing out of the wood toward the mine-head.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500219 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, FoothillRoadPlace);
        Cmd().PrintParagraph("On top of the cairn sits a miner's helmet with its lamp smashed in. Someone has laid a "
                             "ring of white pebbles round it, as you would round a grave.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500219()
{
    return std::make_unique<TScript_500219>();
}
