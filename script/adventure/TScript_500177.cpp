// Under the Troll Bridge: the troll is at home.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500177 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, UnderTheBridgePlace);
        Cmd().PrintParagraph("~<c:#A0A890>Troll:~<> ~<i>\"Toll,\"~<> it says, in a voice like a cart on gravel, and "
                             "holds out a hand the size of a door. Then it grins. ~<i>\"You. You are the toll.\"~<>");
        Cmd().PrintParagraph("~<c:YELLOW>The troll comes at you!");
        Cmd().CheckForCombat();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500177()
{
    return std::make_unique<TScript_500177>();
}
