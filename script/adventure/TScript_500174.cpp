// The Charcoal-Burners' Ruin: a camp the ogres have not found yet.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500174 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, CharcoalRuinPlace);
        Cmd().PrintParagraph("Someone has scratched a tally on the kiln stones, four strokes and a slash, over and "
                             "over: days counted by whoever sleeps here. The last group is unfinished.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500174()
{
    return std::make_unique<TScript_500174>();
}
