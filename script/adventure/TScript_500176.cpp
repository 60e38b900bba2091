// The Gorge Road and the cart that never reached the mine-head.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500176 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, GorgeRoadPlace);
        Cmd().PrintParagraph("Burned into the cart's tailboard is a mark you have seen before: an anvil under a "
                             "flame. Brannoc's cart, or what the goblins left of it.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500176()
{
    return std::make_unique<TScript_500176>();
}
