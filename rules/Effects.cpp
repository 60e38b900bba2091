#include "rules/Effects.h"

#include <algorithm>

#include "app/MainForm.h"
#include "platform/Timer.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

// The phases a state's script is told of.
constexpr int64_t StatePeriodic = 2;
constexpr int64_t StateEnding = 3;

bool SessionClosed()
{
    const TProcess& process = Process();
    return !process.Client || process.Client->SessionClosed;
}

int SlotOf(const TCreature* creature)
{
    const TProcess& process = Process();
    return process.MainForm && process.Client ? process.MainForm->SlotOf(creature) : 0;
}

// Stored effects may carry any numbers: sums stay within the 32-bit range.
int32_t Sum(int64_t a, int64_t b)
{
    return static_cast<int32_t>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
}

int32_t Negated(int32_t value)
{
    return Sum(0, -int64_t(value));
}

// Undoes exactly what the effect changed.
void Undo(const TEffectMod& made)
{
    TCreature* target = made.Target;
    if (!target)
        return;
    // A lower maximum on a body would set its endurance back to full.
    const bool dead = target->end <= 0;
    for (int ability = 0; ability < AbilityCount; ++ability)
        target->ChangeStat(siStrength + ability, Negated(made.Abilities[ability]));
    target->ChangeStat(siManaMax, Negated(made.mana_max));
    target->ChangeStat(siEndMax, Negated(made.end_max));
    for (int type = 0; type < DamageTypeCount; ++type)
        target->ChangeStat(siFirstResistance + type, Negated(made.Resistances[type]));
    for (int kind = 0; kind < AttackClassCount; ++kind) {
        target->Armor[kind] = Sum(target->Armor[kind], -int64_t(made.Armor[kind]));
        target->AttackMod[kind] = Sum(target->AttackMod[kind], -int64_t(made.Attack[kind]));
        target->DamageMod[kind] = Sum(target->DamageMod[kind], -int64_t(made.DamageBonus[kind]));
    }
    if (dead)
        target->end = 0;
    if (const int slot = SlotOf(target))
        GameClient().RefreshMemberPanel(slot);
}

void RunStateScript(int32_t state, int64_t phase, TCreature& target)
{
    TScriptParam param;
    param.Value = phase;
    RunScriptOnce(seOnMessage, nullptr, param, &target, nullptr, Process().MessageTable[state].ScriptId);
}

// Set while a tick runs, cleared also when a script raises; a manager freed
// meanwhile is left alone.
struct TTickingMark {
    TTickingMark(bool& ticking, std::shared_ptr<bool> alive) : Ticking(ticking), Alive(std::move(alive))
    {
        Ticking = true;
    }
    ~TTickingMark()
    {
        if (*Alive)
            Ticking = false;
    }
    bool& Ticking;
    std::shared_ptr<bool> Alive;
};

} // namespace

int32_t RoundsToTicks(int32_t rounds)
{
    return Sum(0, int64_t(rounds) * TicksPerRound);
}

int32_t UnitsToTicks(int32_t units)
{
    return Sum(0, int64_t(units) * TicksPerUnit);
}

bool IsStateKind(int32_t kind)
{
    return kind == StateUnableToAct || (kind >= 51 && kind <= 255);
}

TEffectsManager::TEffectsManager() : FEffects(20)
{
    if (IHost* host = Process().Host)
        Timer = std::make_unique<TTimer>(*host, TickIntervalMs, [this] { OnTimer(); });
}

TEffectsManager::~TEffectsManager()
{
    *Alive = false;
}

void TEffectsManager::SetTimer(bool enabled)
{
    if (Timer)
        Timer->SetEnabled(enabled);
}

bool TEffectsManager::TimerRunning() const
{
    return Timer && Timer->Enabled();
}

void TEffectsManager::Store(std::unique_ptr<TEffect> effect)
{
    auto place = std::find(FEffects.begin(), FEffects.end(), nullptr);
    if (place == FEffects.end()) {
        FEffects.resize(FEffects.size() + 20);
        place = std::find(FEffects.begin(), FEffects.end(), nullptr);
    }
    *place = std::move(effect);
}

void TEffectsManager::Add(std::unique_ptr<TEffect> effect)
{
    if (!effect || (effect->Target && effect->Target->end <= 0))
        return;
    const int slot = SlotOf(effect->Target);
    // Restarted, so the new effect's first tick comes a full interval from now.
    SetTimer(false);
    Store(std::move(effect));
    if (!FPaused)
        SetTimer(true);
    if (slot)
        GameClient().RefreshMemberGauges(slot);
}

void TEffectsManager::Pause()
{
    FPaused = true;
    SetTimer(false);
}

void TEffectsManager::Resume()
{
    FPaused = false;
    SetTimer(true);
}

void TEffectsManager::OnTimer()
{
    const auto alive = Alive;
    const bool any = !FPaused && Tick(nullptr, 1);
    if (*alive && (!any || FPaused))
        SetTimer(false);
}

bool TEffectsManager::StillAt(size_t index, const TEffect* effect) const
{
    return index < FEffects.size() && FEffects[index].get() == effect;
}

bool TEffectsManager::AnyEffect() const
{
    return std::any_of(FEffects.begin(), FEffects.end(), [](const auto& effect) { return effect != nullptr; });
}

bool TEffectsManager::Tick(const TCreature* creature, int32_t amount)
{
    // Scripts run by a tick may wait while the timers run; those ticks wait their turn.
    if (Ticking)
        return AnyEffect();
    const auto alive = Alive;
    {
        const TTickingMark mark{Ticking, alive};
        // By index, reading the place again each time: scripts may add effects
        // (the list grows and moves) or remove them.
        for (size_t index = 0; index < FEffects.size(); ++index) {
            const TEffect* effect = FEffects[index].get();
            if (!effect || (creature && effect->Target != creature))
                continue;
            const bool go = Act(index, amount);
            if (!*alive)
                return false;
            if (!go)
                break;
        }
    }
    // The time left shows on the member panels.
    if (!SessionClosed())
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            if (MainForm().Member(slot))
                GameClient().RefreshMemberGauges(slot);
    return AnyEffect();
}

bool TEffectsManager::Act(size_t index, int32_t amount)
{
    TEffect* effect = FEffects[index].get();
    if (effect->Kind != ekCancelled) {
        if (effect->Target && effect->Target->end < 1)
            effect->Remaining = 0;
        effect->Remaining = Sum(effect->Remaining, -int64_t(amount));
        if (effect->Period > 0)
            effect->Counter = Sum(effect->Counter, amount);
    } else {
        effect->Remaining = 0;
    }
    const bool due = effect->Period > 0 && effect->Counter >= effect->Period;
    if (effect->Remaining >= 1 && !due)
        return true;

    const auto alive = Alive;
    TCreature* target = effect->Target;
    const int32_t kind = effect->Kind;
    // After a script: whether this effect is still in its place to go on with
    // (its target read again), and stop when ticking must end.
    bool stop = false;
    auto carryOn = [&] {
        stop = !*alive || SessionClosed();
        if (stop || !StillAt(index, effect))
            return false;
        target = effect->Target;
        return true;
    };
    if (auto* made = dynamic_cast<TEffectMod*>(effect); made && kind == ekModifier) {
        // A modifier effect acts only when it ends.
        if (effect->Remaining >= 1)
            return true;
        Undo(*made);
        if (!carryOn())
            return !stop;
    } else if (auto* damage = dynamic_cast<TEffectDamage*>(effect); damage && kind == ekDamage) {
        if (due) {
            if (target && target->end > 0) {
                ApplyDamage(&damage->Damage, target, 0);
                if (!carryOn())
                    return !stop;
            }
            effect->Counter = 0;
        }
        if (effect->Remaining >= 1)
            return true;
    } else if (IsStateKind(kind)) {
        if (due) {
            if (target) {
                const bool newly = !target->States.test(kind);
                target->States.set(kind);
                if (kind == StateUnableToAct && newly)
                    if (const int slot = SlotOf(target))
                        GameClient().EnableMemberPanel(slot, false);
                if (kind != StateUnableToAct) {
                    RunStateScript(kind, StatePeriodic, *target);
                    if (!carryOn())
                        return !stop;
                }
                if (const int slot = SlotOf(target))
                    GameClient().RefreshMemberGauges(slot);
            }
            effect->Counter = 0;
        }
        if (effect->Remaining >= 1)
            return true;
        if (target && kind != StateUnableToAct) {
            RunStateScript(kind, StateEnding, *target);
            if (!carryOn())
                return !stop;
        }
        if (target) {
            target->States.reset(kind);
            if (const int slot = SlotOf(target)) {
                if (kind == StateUnableToAct)
                    GameClient().EnableMemberPanel(slot, true);
                GameClient().RefreshMemberPanel(slot);
            }
        }
    }
    FEffects[index].reset();
    return true;
}

void TEffectsManager::TickTurn(const TCreature& creature)
{
    const auto alive = Alive;
    for (int unit = 0; unit < UnitsPerRound && *alive && !SessionClosed(); ++unit)
        Tick(&creature, TicksPerUnit);
}

void TEffectsManager::CancelFor(int64_t creatureId)
{
    for (auto& effect : FEffects)
        if (effect && effect->Target && effect->Target->Id == creatureId)
            effect->Kind = ekCancelled;
}

void TEffectsManager::CancelDamageOfType(int64_t creatureId, int damageType)
{
    SetTimer(false);
    for (auto& effect : FEffects)
        if (auto* damage = dynamic_cast<TEffectDamage*>(effect.get());
            damage && damage->Kind == ekDamage && damage->Target && damage->Target->Id == creatureId &&
            damage->Damage.DamageType == damageType)
            damage->Kind = ekCancelled;
    if (!FPaused)
        SetTimer(true);
}

void TEffectsManager::DropFor(const TCreature* creature)
{
    for (auto& effect : FEffects)
        if (effect && effect->Target == creature)
            effect.reset();
}

bool TEffectsManager::HasEffects(int64_t creatureId) const
{
    return std::any_of(FEffects.begin(), FEffects.end(), [creatureId](const auto& effect) {
        return effect && effect->Kind != ekCancelled && effect->Target && effect->Target->Id == creatureId;
    });
}

bool TEffectsManager::HasDamageEffect(int64_t creatureId) const
{
    return std::any_of(FEffects.begin(), FEffects.end(), [creatureId](const auto& effect) {
        return effect && effect->Kind == ekDamage && effect->Target && effect->Target->Id == creatureId;
    });
}

void HoldInState(TCreature& creature, int32_t state, int32_t rounds, int32_t everyUnits)
{
    TForm1* form = Process().MainForm.get();
    if (!form || !form->EffectsManager || creature.end <= 0 || !IsStateKind(state) || rounds <= 0)
        return;
    auto effect = std::make_unique<TEffect>();
    effect->Kind = state;
    effect->Target = &creature;
    effect->Remaining = RoundsToTicks(rounds);
    effect->Period = everyUnits > 0 ? UnitsToTicks(everyUnits) : 0;
    form->EffectsManager->Add(std::move(effect));
    creature.States.set(state);
    if (const int slot = SlotOf(&creature)) {
        if (state == StateUnableToAct)
            GameClient().EnableMemberPanel(slot, false);
        GameClient().RefreshMemberGauges(slot);
    }
}
