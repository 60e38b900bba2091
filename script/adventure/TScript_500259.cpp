// The Daylight Shaft: the end of the goblins' back way, under a square of sky.
// The climb up onto the Ashfang Slopes starts here.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500259 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInDeeps();
        cmd.PrintParagraph("~<c:YELLOW>Daylight. After the deeps it hurts to look at. You stand a long while only "
                           "breathing it. The way up is here, and the hooded men went by it; the climb onto the "
                           "slopes waits for you at the top of the hand-holds.");
        cmd.AddJournalEntry("j_daylight_shaft", "j_daylight_shaft.txt");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500259()
{
    return std::make_unique<TScript_500259>();
}
