// The Spider Nest: two spiders guard the canker, and fall on the party.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500183 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, SpiderNestPlace);
        Cmd().PrintParagraph("The air is as hot as a smithy's. The spiders rise on their legs and turn toward you "
                             "together.");
        Cmd().PrintParagraph("~<c:YELLOW>The spiders come at you!");
        Cmd().CheckForCombat();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500183()
{
    return std::make_unique<TScript_500183>();
}
