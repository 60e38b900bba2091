// The Ogre Trail: the way to the camp of the ogre that robs the road.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500188 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, OgreTrailPlace);
        Cmd().PrintParagraph("In the mud of the track lies a boot-print as long as your forearm, and beside it a "
                             "carter's whip, snapped in three.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500188()
{
    return std::make_unique<TScript_500188>();
}
