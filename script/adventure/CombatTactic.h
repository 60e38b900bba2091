// A creature script that steers the creature's turns in a fight: the fight
// calls its CombatTurn (event 16) before each of the creature's attacks.
#pragma once

#include <cstdint>

#include "script/ScriptObject.h"

// The attribute codes tactics read: current and maximum endurance.
inline constexpr int32_t AttributeEndurance = 30;
inline constexpr int32_t AttributeEnduranceMax = 31;

class TCombatTactic : public TScriptObject {
public:
    TCombatTactic()
    {
        CombatTurnHandler = [this](TEntity*, TEntity*) { return CombatTurn(); };
    }

protected:
    // With the creature as SelfProxy and its target as TargetProxy: 1 lets the
    // creature's normal attack follow, any other value holds it this turn.
    virtual int32_t CombatTurn() = 0;
};
