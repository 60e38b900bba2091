// The Ember Gate: Sergeant Holt keeps the party inside until the mayor has hired
// it, and the stair up to the wall walk is black without a light.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/StoryFlags.h"

namespace {

constexpr int64_t TollBridge = 1004;
constexpr int64_t WallWalk = 1005;

class TScript_500104 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnTownMap(EmberGatePlace);
        if (Cmd().GetCounter(CounterMayorHired) > 0)
            Cmd().PrintParagraph("Sergeant Holt nods you through. ~<i>\"Mayor's folk. Mind the bridge, and come back "
                                 "before dark if you can.\"~<>");
        return -1;
    }

    int32_t OnExit(int64_t destination) override
    {
        TScriptCmd& cmd = Cmd();
        if (destination == TollBridge && cmd.GetCounter(CounterMayorHired) == 0) {
            cmd.PrintParagraph("Sergeant Holt steps in front of the wicket. ~<i>\"Not without the mayor's word. The gate "
                               "stays barred till he says otherwise.\"~<>");
            return 0;
        }
        if (destination == WallWalk && !PartyCarriesLight()) {
            cmd.PrintParagraph("The stair up to the wall walk climbs into pitch darkness. It is too dark to proceed. "
                               "You need some kind of light source.");
            return 0;
        }
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500104()
{
    return std::make_unique<TScript_500104>();
}
