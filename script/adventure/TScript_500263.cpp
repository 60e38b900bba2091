// The Chief's Hoard: the plunder of a month of raids, and a cold draught behind
// it that the prisoner can explain.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

void FeelTheDraught()
{
    if (Cmd().GetCounter(CounterCultRevealed) == 0)
        Cmd().PrintParagraph("A cold draught stirs the furs at the back of the hoard. It comes from somewhere behind "
                             "the heaped plunder, but the plunder is heaped to the roof.");
}

class TScript_500263 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("Everything Cindervale has lost in a month is here, or so it seems: lamps, boots, a "
                             "bolt of dyed cloth, a church candlestick, a child's wooden horse. On top of it all, "
                             "where the chief could see it from his throne, an iron disc hangs on a thong.");
        FeelTheDraught();
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyInDeeps();
        FeelTheDraught();
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500263()
{
    return std::make_unique<TScript_500263>();
}
