// The Temple of Ashara: the last ember-flame shrinks from the sign of the
// Hollow Flame on the torn map.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

constexpr int64_t TornMapTemplate = 21006;

class TScript_500114 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        if (PartyHasItem(TornMapTemplate))
            Cmd().PrintParagraph("As you walk up the nave the ember-flame on the altar sinks to a blue bead and crouches "
                                 "in its copper bowl until you have passed. It does that for nothing else you carry.");
        else
            Cmd().PrintParagraph("The ember-flame burns on in its copper bowl, small and steady. The warmth of it "
                                 "reaches all the way to the door.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500114()
{
    return std::make_unique<TScript_500114>();
}
