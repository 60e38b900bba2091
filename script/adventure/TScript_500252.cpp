// The Windy Crawl: the goblins' back way out of the warren, behind the chief's
// hoard, with the air of the slopes coming down it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500252 : public TWarrenEdge {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("The crawl is worn smooth by goblin knees. Halfway along it you smell it: heather, and "
                             "rain, and sheep. After the deeps it is like a drink of water.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500252()
{
    return std::make_unique<TScript_500252>();
}
