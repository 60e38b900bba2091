// The Beech Fork, where the hunters' track leaves the road.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500160 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, BeechForkPlace);
        Cmd().PrintParagraph("Under the feathers someone has pinned a scrap of bark with a knife-scratched message: "
                             "~<i>Pa - gone to the snares S. of the road. Back by dark. T.~<> The bark is three "
                             "days dry.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500160()
{
    return std::make_unique<TScript_500160>();
}
