// The Ogre Camp: the ogre at its fire, and a fight it picks with the weakest.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500213 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, OgreCampPlace);
        Cmd().PrintParagraph("The ogre stands, and keeps standing for longer than seems right. It picks up its "
                             "club and looks the party over, one by one, as if choosing a joint of meat.");
        Cmd().PrintParagraph("~<c:YELLOW>The ogre comes at you!");
        Cmd().CheckForCombat();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500213()
{
    return std::make_unique<TScript_500213>();
}
