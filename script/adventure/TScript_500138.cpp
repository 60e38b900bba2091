// The bridge troll: while it is hurt but standing, its wounds close by 5 each
// turn, and it fights on.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t RegeneratesUpTo = 18;
constexpr int32_t Regeneration = 5;

class TScript_500138 : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        const int32_t endurance = SelfProxy.GetAttribute(AttributeEndurance);
        if (endurance >= 1 && endurance <= RegeneratesUpTo) {
            SelfProxy.SetAttribute(AttributeEndurance, endurance + Regeneration, 0);
            Cmd().Print("~<c:YELLOW>Troll regenerates");
        }
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500138()
{
    return std::make_unique<TScript_500138>();
}
