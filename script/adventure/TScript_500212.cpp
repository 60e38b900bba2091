// The Waggoners' Shelter: a roof and a fire-ring on the goblins' road. One rest
// in three is broken by goblin raiders dropping off the shingles.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int32_t RaidersPassBy = 33; // a roll above this sleeps the night through
constexpr int64_t GoblinRaider = 30005;

class TScript_500212 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, WaggonersShelterPlace);
        Cmd().PrintParagraph("Cut into the nearest post, so fresh that the wood is still pale, is a circle with a "
                             "flame inside it, burning downwards: the sign daubed on the walls of Slag Row.");
        return 1;
    }

    int32_t OnRest() override
    {
        RestAtRisk(this, {WaggonersShelterPlace, RaidersPassBy,
                          "The fire-ring keeps off the cold, and nothing moves on the road all night. The party rests.",
                          GoblinRaider, 2,
                          "Soft feet run across the shingles overhead, and two shapes drop into the firelight with "
                          "knives out. Goblins attack!"});
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500212()
{
    return std::make_unique<TScript_500212>();
}
