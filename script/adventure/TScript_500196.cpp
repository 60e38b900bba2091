// The Flooded Gallery: black water to the waist. Wading it the first time
// takes the party's breath away; after that it is only cold.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"
#include "script/adventure/StoryFlags.h"

namespace {

// Set once the party has waded across.
constexpr const char* CounterFloodWaded = "flooded_gallery_waded";

class TScript_500196 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnMap(MinesMapPicture, FloodedGalleryPlace);
        Cmd().PrintParagraph(PartyCarriesLight()
                                 ? "Your light lies on the water in a long gold streak and shows nothing under it."
                                 : "In the dark you hear the water lapping, and cannot tell how deep it is.");
        return 1;
    }

    int32_t OnExit(int64_t destination) override
    {
        TScriptCmd& cmd = Cmd();
        if (destination == ShaftBottom && cmd.GetCounter(CounterFloodWaded) == 0)
            return -1;
        if (cmd.GetCounter(CounterFloodWaded) > 0) {
            cmd.PrintParagraph("You wade the flooded gallery again, holding your packs over your heads.");
            return -1;
        }
        cmd.ChangeCounter(CounterFloodWaded, true);
        cmd.PrintParagraph("The water is deeper in the middle than it looked: chest-deep, and cold enough to stop "
                           "the breath. Something soft bumps against your legs and drifts away. You come out on the "
                           "far side streaming and shivering.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500196()
{
    return std::make_unique<TScript_500196>();
}
