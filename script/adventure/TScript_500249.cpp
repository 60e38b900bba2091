// The Rubble Stair: the goblins' stair of broken rock from the breach down to
// the warren, with a scree chute off its side.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500249 : public TWarrenEdge {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("Every step of the stair is a different height, made for legs shorter than yours. Below, "
                             "firelight moves on the walls, and you hear goblin voices squabbling over something.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500249()
{
    return std::make_unique<TScript_500249>();
}
