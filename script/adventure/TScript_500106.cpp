// The Toll Bridge: the way out of town. The first time the party sets off
// into the Whisperwood the town sees it go.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

constexpr int64_t EmberGate = 1001;
// Set when the party first left Cindervale for the Whisperwood.
constexpr const char* CounterLeftTown = "left_cindervale";

class TScript_500106 : public TScriptObject {
public:
    int32_t OnExit(int64_t destination) override
    {
        TScriptCmd& cmd = Cmd();
        if (destination == EmberGate || cmd.GetCounter(CounterLeftTown) > 0)
            return -1;
        cmd.ChangeCounter(CounterLeftTown, true);
        cmd.PrintParagraph("At the far end of the bridge you look back. On the wall above the Ember Gate Sergeant "
                           "Holt lifts his lantern once, high, and then the wicket thuds shut and Cindervale is only a "
                           "dark shape against the mountain. Ahead the road climbs into the trees.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500106()
{
    return std::make_unique<TScript_500106>();
}
