// The Trampled Clearing: a fine camp on the ogres' path. Three rests in four
// are broken, by wolves or by an ogre.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int32_t NightsRest = 1000;
constexpr int32_t RestHolds = 75;     // a roll above this sleeps the night through
constexpr int32_t WolvesCome = 40;    // of a broken rest, a roll above this is wolves
constexpr int64_t GreyWolf = 30008;
constexpr int64_t Ogre = 30010;
constexpr int32_t CreatureKind = 20;

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
        if (cmd.RandomRange(1, 100) > RestHolds) {
            cmd.RestParty(NightsRest);
            cmd.PrintParagraph("~<c:LIME>The night passes with nothing worse than an owl. The party rests.");
            return 1;
        }
        cmd.PrintParagraph("~<c:YELLOW>Your rest is disrupted");
        ShowSingleChoice("Continue...", this);
        const TVariant here = cmd.GetVariable("LOC_ID");
        if (!std::holds_alternative<int64_t>(here))
            return 1;
        if (cmd.RandomRange(1, 100) > WolvesCome) {
            cmd.PrintParagraph("Eyes shine at the edge of the firelight. Wolves!");
            cmd.SpawnContent(GreyWolf, CreatureKind, 0, 2, std::get<int64_t>(here));
        } else {
            cmd.PrintParagraph("The ground shakes. An ogre walks out of the dark, dragging its club. Ogres attack!");
            cmd.SpawnContent(Ogre, CreatureKind, 0, 1, std::get<int64_t>(here));
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
