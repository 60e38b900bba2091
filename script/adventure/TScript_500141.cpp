// The ogre: it clubs whichever member looks weakest, whoever it was fighting.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"

namespace {

constexpr int32_t BluntDamage = 3;

class TScript_500141 : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        TScriptTarget weakest;
        int32_t lowest = TargetProxy.GetAttribute(AttributeEndurance);
        for (int32_t slot = 1; slot <= 6; ++slot) {
            TScriptTarget member;
            member.Object = Cmd().PartyMember(slot);
            const int32_t endurance = member.GetAttribute(AttributeEndurance);
            if (member.Object && endurance > 0 && endurance < lowest) {
                weakest = member;
                lowest = endurance;
            }
        }
        if (!weakest.Object)
            return 1;
        Cmd().Print(SelfProxy.GetName() + " turns on " + weakest.GetName() + " and brings its club down");
        weakest.DamageByText(0, "2d6", -1, -1, BluntDamage);
        return 0;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500141()
{
    return std::make_unique<TScript_500141>();
}
