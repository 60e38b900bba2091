// The Trampled Clearing: a fine camp on the ogres' path. Three rests in four
// are broken, by wolves or by an ogre.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int32_t RestHolds = 75;     // a roll above this sleeps the night through
constexpr int32_t WolvesCome = 40;    // of a broken rest, a roll above this is wolves
constexpr int64_t GreyWolf = 30008;
constexpr int64_t Ogre = 30010;

class TScript_500295 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, ClearingPlace);
        Cmd().PrintParagraph("A rank, sour smell hangs over the clearing, like a cowshed nobody has mucked out in a "
                             "year. It is strongest around the carcass.");
        return 1;
    }

    int32_t OnRest() override
    {
        if (QuietNight(RestHolds, "The night passes with nothing worse than an owl. The party rests."))
            return 1;
        const int64_t here = DisruptRest(this);
        if (here == 0)
            return 1;
        if (Cmd().RandomRange(1, 100) > WolvesCome)
            RestAmbush(here, GreyWolf, 2, "Eyes shine at the edge of the firelight. Wolves!");
        else
            RestAmbush(here, Ogre, 1, "The ground shakes. An ogre walks out of the dark, dragging its club. Ogres attack!");
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, ClearingPlace);
        Cmd().PrintParagraph("The clearing is empty, for now. The snapped saplings are still green at the break.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500295()
{
    return std::make_unique<TScript_500295>();
}
