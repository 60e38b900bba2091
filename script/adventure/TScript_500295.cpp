// The Trampled Clearing: a fine camp on the ogres' path. One rest in four is
// broken: by two to four wolves, or by a band of four to eight young ogres.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int32_t RestHolds = 25;  // a roll above this sleeps the night through
constexpr int32_t WolvesCome = 40; // of a broken rest, a roll above this is wolves
constexpr int64_t GreyWolf = 30008;
constexpr int64_t YoungOgre = 30016;

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
        TScriptCmd& cmd = Cmd();
        if (QuietNight(RestHolds, "The party rests."))
            return 1;
        const int64_t here = DisruptRest(this);
        if (cmd.RandomRange(1, 100) > WolvesCome) {
            cmd.SpawnContent(GreyWolf, CreatureKind, 0, cmd.RandomRange(2, 4), here);
        } else {
            cmd.PrintParagraph("Ogres attack");
            cmd.SpawnContent(YoungOgre, CreatureKind, 0, cmd.RandomRange(4, 8), here);
        }
        cmd.CheckForCombat();
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
