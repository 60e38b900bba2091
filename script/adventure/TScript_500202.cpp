// The Prospectors' Camp: an old camp in a dry cut off the bat roost, forgotten
// by the goblins; nine nights in ten pass quietly.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500202 : public TDeepsPlace {
public:
    int32_t OnEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("The cut is dry and dead-ended, and the dust on the floor holds no goblin prints. A good "
                             "place to sleep.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500202()
{
    return std::make_unique<TScript_500202>();
}
