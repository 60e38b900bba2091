// The Old Working: where the fourth shift broke through, and the ore died.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500228 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(MinesMapPicture, OldWorkingPlace);
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("You lay a hand on a seam of the ore. It is cold, in rock hot enough to sting, as if "
                           "something had drawn the fire out of it and left the heat behind.");
        cmd.AddJournalEntry("j_grey_ore", "j_grey_ore.txt");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500228()
{
    return std::make_unique<TScript_500228>();
}
