// The Rat King: its death clears the cellars of the old quarter.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr int32_t ClearingBonus = 100;

class TScript_500127 : public TScriptObject {
public:
    int32_t OnDead() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("The knot of rats gives one long shudder and lies still, and the red shine goes out of all "
                           "its eyes at once. Along the walls the silent hundreds break and flee into the cracks, "
                           "squealing, until the cellar is empty but for you.");
        cmd.AwardExperience(ClearingBonus);
        cmd.PrintParagraph("~<c:LIME>The party gains " + std::to_string(ClearingBonus) + " experience for clearing the "
                           "cellars.");
        cmd.ChangeCounter(CounterCellarRatsCleared, true);
        cmd.AddJournalEntry("j_cellars", "j_cellars.txt");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500127()
{
    return std::make_unique<TScript_500127>();
}
