// The wet edges of the warren west of the midden: the fungus grotto, the
// dripping cave and the sunless pool beyond its crack, each with what the water
// shows there.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

struct TWetPlace {
    int64_t Location;
    const char* Seen;
};

constexpr TWetPlace WetPlaces[] = {
    {FungusGrotto, "The fungus gives a cold green light of its own, enough to see by. Goblin feet have trodden paths "
                   "between the caps, and somebody has been cutting the pale ones and leaving the red."},
    {DrippingCave, "You put your hand into the crack. Cold air breathes out of it, and somewhere beyond, water is "
                   "falling into still water. There is room in there."},
    {SunlessPool, "You squeeze out of the crack onto the shore of a black pool. On the shingle lies a pack, rotted "
                  "through, beside what is left of the man who carried it. He came in this way a long time ago, and "
                  "never found the way out again."},
};

class TScript_500251 : public TWarrenEdge {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        if (const TWetPlace* place = PlaceOfParty(WetPlaces))
            Cmd().PrintParagraph(place->Seen);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500251()
{
    return std::make_unique<TScript_500251>();
}
