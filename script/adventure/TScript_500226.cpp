// The Seventh Gallery: the goblins hacking at the fourth shift's props.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500226 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(SeventhGalleryPlace, "The goblins at the props spin round. The sapper shrieks something, and "
                                          "the others snatch up their knives and bow.",
                     "The goblins attack!", MinesMapPicture);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500226()
{
    return std::make_unique<TScript_500226>();
}
