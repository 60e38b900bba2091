// The Wolf Hollow: two wolves guard what they have treed, and fall on the party.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500172 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, WolfHollowPlace);
        Cmd().PrintParagraph("From somewhere south of the hollow a boy's voice cracks out: ~<i>\"Up here! They're "
                             "right under you, mind them!\"~<>");
        Cmd().PrintParagraph("~<c:YELLOW>The wolves come at you!");
        Cmd().CheckForCombat();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500172()
{
    return std::make_unique<TScript_500172>();
}
