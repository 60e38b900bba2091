// The Temple of Ashara: the last ember-flame shrinks from the sign of the
// Hollow Flame on the torn map.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"

namespace {

constexpr int64_t TornMapTemplate = 21006;

class TScript_500114 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnTownMap(TemplePlace);
        if (PartyHasItem(TornMapTemplate))
            Cmd().PrintParagraph("As you walk up the nave the ember-flame on the altar sinks to a blue bead and crouches "
                                 "in its copper bowl until you have passed. It does that for nothing else you carry.");
        else
            Cmd().PrintParagraph("The old miner on the front bench has not moved. Somewhere behind the altar a "
                                 "sister is singing under her breath, the same four lines over and over.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500114()
{
    return std::make_unique<TScript_500114>();
}
