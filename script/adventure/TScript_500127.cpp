// The Rat King: hurt to half its strength, it shrieks its court out of the walls
// once; its death clears the cellars of the old quarter.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr int32_t ClearingBonus = 100;
constexpr int64_t CellarRat = 30001;
constexpr int32_t CreatureKind = 20;
constexpr int32_t CourtCalled = 2;

class TScript_500127 : public TCombatTactic {
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

private:
    // Still bites every turn, the turn it calls its court too.
    int32_t CombatTurn() override
    {
        const int32_t endurance = SelfProxy.GetAttribute(AttributeEndurance);
        if (CourtSummoned || endurance <= 0 || endurance * 2 > SelfProxy.GetAttribute(AttributeEnduranceMax))
            return 1;
        TScriptCmd& cmd = Cmd();
        const TVariant here = cmd.GetVariable("LOC_ID");
        if (!std::holds_alternative<int64_t>(here))
            return 1;
        CourtSummoned = true;
        cmd.PrintParagraph("~<c:YELLOW>The Rat King shrieks, and its court pours out of the cracks in the walls");
        cmd.SpawnContent(CellarRat, CreatureKind, 0, CourtCalled, std::get<int64_t>(here));
        return 1;
    }

    // The court answers once a fight.
    bool CourtSummoned = false;
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500127()
{
    return std::make_unique<TScript_500127>();
}
