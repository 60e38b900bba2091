// The tactic of a creature that carries a healing draught in its first quick
// slot: the first time it is down to half its endurance it drinks, which takes
// that turn; otherwise it fights.
#pragma once

#include "script/ScriptCommands.h"
#include "script/adventure/CombatTactic.h"

class TQuaffWhenHurt : public TCombatTactic {
private:
    int32_t CombatTurn() override
    {
        const int32_t endurance = SelfProxy.GetAttribute(AttributeEndurance);
        if (Quaffed || endurance <= 0 || endurance * 2 > SelfProxy.GetAttribute(AttributeEnduranceMax))
            return 1;
        Quaffed = true;
        SelfProxy.UseQuickSlot(1, 0, SelfProxy.GetId());
        Cmd().Print(SelfProxy.GetName() + " quaffs a potion");
        return 0;
    }

    bool Quaffed = false;
};
