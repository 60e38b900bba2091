// The Bunkhouse: Wat Colley has crawled this far.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500224 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(MinesMapPicture, BunkhousePlace);
        Cmd().PrintParagraph("The man in the bunk turns his head toward your light and tries to lift a knife. He "
                             "cannot. ~<i>\"Not goblins,\"~<> he says. ~<i>\"Thank Ashara. Not goblins.\"~<>");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500224()
{
    return std::make_unique<TScript_500224>();
}
