// Timed effects: modifier changes that are undone on expiry, damage over time and
// held states. The effects manager owns them and advances them in ticks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "rules/Damage.h"
#include "rules/Modifiers.h"

class TCreature;

// Ticks: a round is 7 units of 2 ticks.
constexpr int TicksPerRound = 14;
constexpr int TicksPerTrigger = 2;

enum TEffectKind : int32_t { ekCancelled = 0, ekModifier = 1, ekDamage = 2 };

class TEffect {
public:
    virtual ~TEffect() = default;

    TCreature* Target = nullptr;
    int32_t Remaining = -1;
    int32_t Period = 0;
    int32_t Counter = -1;
    // 0 cancelled, 1 modifier, 2 damage, 10 and 51..255 states.
    int32_t Kind = ekModifier;
};

class TEffectDamage : public TEffect {
public:
    TEffectDamage() { Kind = ekDamage; }

    // Each periodic hit deals this at once.
    DamageRec Damage;
};

// The changes actually made, undone when the effect ends.
class TEffectMod : public TEffect {
public:
    std::array<int32_t, AbilityCount> Abilities{};
    std::array<int32_t, AttackClassCount> Armor{};
    std::array<int32_t, AttackClassCount> Attack{};
    std::array<int32_t, AttackClassCount> DamageBonus{};
    std::array<int32_t, DamageTypeCount> Resistances{};
    int32_t mana_max = 0;
    int32_t end_max = 0;
};

class TEffectsManager {
public:
    TEffectsManager();

    // Ignored for a target already at 0 endurance or below.
    void Add(std::unique_ptr<TEffect> effect);
    const std::vector<std::unique_ptr<TEffect>>& Effects() const { return FEffects; }
    // Marks every effect on the creature cancelled: removed at the next tick, not undone.
    void CancelFor(int64_t creatureId);
    // Cancels the damage effects of one damage type (0..8) on the creature.
    void CancelDamageOfType(int64_t creatureId, int damageType);
    // Frees every effect on the creature without undoing it; a creature being
    // freed calls it, so no effect is left pointing at it.
    void DropFor(const TCreature* creature);

private:
    // Null is an empty place; a new effect takes the first one.
    std::vector<std::unique_ptr<TEffect>> FEffects;
};
