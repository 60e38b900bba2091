// The Pens: miners of the fourth shift, taken below on the first night and kept
// in goblin pens of lashed pit-props.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500256 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph(Cmd().GetCounter(CounterPensFreed) > 0
                                 ? "The pens stand empty, their lashings cut."
                                 : "Faces come to the bars of the nearest pen: grey with rock-dust, hollow-eyed, "
                                   "human. Somebody says, very quietly, \"Lamps. Those are lamps.\"");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500256()
{
    return std::make_unique<TScript_500256>();
}
