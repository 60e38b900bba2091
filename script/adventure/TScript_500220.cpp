// The Miners' Shrine, where old Hobb Gannet hides from the goblins.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500220 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, MinersShrinePlace);
        Cmd().PrintParagraph("The old man lowers the pick-handle when he sees you are not goblins. When he sees you "
                             "are not miners either, he lowers his eyes too.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500220()
{
    return std::make_unique<TScript_500220>();
}
