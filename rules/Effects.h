// Timed effects: modifier changes that are undone on expiry, damage over time and
// held states. The effects manager owns them and advances them in ticks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rules/Damage.h"
#include "rules/Modifiers.h"

class TCreature;
class TTimer;

// Ticks: a round is 7 units of 2 ticks; outside turn-based fights a tick is 500 ms.
constexpr int TicksPerUnit = 2;
constexpr int UnitsPerRound = 7;
constexpr int TicksPerRound = TicksPerUnit * UnitsPerRound;
constexpr int TickIntervalMs = 500;

// Rounds and units in ticks, kept within the 32-bit range.
int32_t RoundsToTicks(int32_t rounds);
int32_t UnitsToTicks(int32_t units);

enum TEffectKind : int32_t { ekCancelled = 0, ekModifier = 1, ekDamage = 2 };

// Kinds 10 and 51..255 hold the creature in that state.
bool IsStateKind(int32_t kind);

class TEffect {
public:
    virtual ~TEffect() = default;

    // Not owned; none for an effect restored without a party member.
    TCreature* Target = nullptr;
    int32_t Remaining = -1;
    // Ticks between periodic actions; 0 or less for none.
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
    // Every effect goes without being undone.
    ~TEffectsManager();
    TEffectsManager(const TEffectsManager&) = delete;
    TEffectsManager& operator=(const TEffectsManager&) = delete;

    // Ignored for a target already at 0 endurance or below. Starts the timer
    // unless a turn-based fight has paused it.
    void Add(std::unique_ptr<TEffect> effect);
    const std::vector<std::unique_ptr<TEffect>>& Effects() const { return FEffects; }

    // Advances the effects of the creature (of everyone when null) by amount
    // ticks; false when no effect is left. A tick that starts inside another one
    // advances nothing.
    bool Tick(const TCreature* creature, int32_t amount);
    // The start of the creature's turn in a turn-based fight: a round's 7 units.
    void TickTurn(const TCreature& creature);

    // Marks every effect on the creature cancelled: removed at the next tick, not undone.
    void CancelFor(int64_t creatureId);
    // Cancels the damage effects of one damage type (0..8) on the creature.
    void CancelDamageOfType(int64_t creatureId, int damageType);
    // Frees every effect on the creature without undoing it; a creature being
    // freed calls it, so no effect is left pointing at it.
    void DropFor(const TCreature* creature);
    bool HasEffects(int64_t creatureId) const;
    bool HasDamageEffect(int64_t creatureId) const;

    // A turn-based fight ticks per turn instead of on the timer.
    void Pause();
    void Resume();
    bool Paused() const { return FPaused; }
    bool TimerRunning() const;

    // The entries of the bookmark file, one per effect; empty when none runs.
    std::string Entries() const;
    // The bookmark file: one entry per effect, none written (and an old file
    // removed) when no effect runs. Stops the timer; the caller restarts it.
    // False (and a message box) when the file could not be written.
    bool Save(const std::string& fileName);
    // Restores the entries of the file; a damaged entry ends the reading with a
    // message box, keeping the entries before it. Nothing for a missing file.
    bool Load(const std::string& fileName);

private:
    void OnTimer();
    // Takes the first empty place, growing the list by 20 when full.
    void Store(std::unique_ptr<TEffect> effect);
    // What the effect in place index does now; false when ticking must stop.
    bool Act(size_t index, int32_t amount);
    bool StillAt(size_t index, const TEffect* effect) const;
    bool AnyEffect() const;
    void SetTimer(bool enabled);

    // Null is an empty place.
    std::vector<std::unique_ptr<TEffect>> FEffects;
    std::unique_ptr<TTimer> Timer;
    bool FPaused = false;
    bool Ticking = false;
    // Cleared when the manager goes, so a tick waiting inside a script knows.
    std::shared_ptr<bool> Alive = std::make_shared<bool>(true);
};

// Holds a living creature in a state (10, or one of the adventure's 51..255) for
// rounds: at once, and again every everyUnits units (0: never), when the state's
// script hears of it; once more when it ends.
void HoldInState(TCreature& creature, int32_t state, int32_t rounds, int32_t everyUnits);
