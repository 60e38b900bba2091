#include "rules/Attributes.h"

#include <algorithm>
#include <optional>

#include "app/MainForm.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

// Codes that name a statistic, and the stat index they change through.
std::optional<int> StatOfCode(int32_t code)
{
    if (code >= 1 && code <= 5)
        return siStrength + code - 1;
    if (code >= 10 && code <= 18)
        return siFirstResistance + code - 10;
    switch (code) {
    case 30:
        return siEnd;
    case 31:
        return siEndMax;
    case 32:
        return siMana;
    case 33:
        return siManaMax;
    default:
        return std::nullopt;
    }
}

// Codes 40..43, 50..53, 60..63: armour, attack and damage bonuses, changed directly.
int32_t* BonusOfCode(TCreature& creature, int32_t code)
{
    if (code >= 40 && code <= 43)
        return &creature.Armor[code - 40];
    if (code >= 50 && code <= 53)
        return &creature.AttackMod[code - 50];
    if (code >= 60 && code <= 63)
        return &creature.DamageMod[code - 60];
    return nullptr;
}

int32_t CreatureAttribute(const TCreature& creature, int32_t code)
{
    const auto* player = dynamic_cast<const TPlayer*>(&creature);
    const auto* enemy = dynamic_cast<const TEnemy*>(&creature);
    if (const auto stat = StatOfCode(code))
        return creature.GetStat(*stat);
    if (const int32_t* bonus = BonusOfCode(const_cast<TCreature&>(creature), code))
        return *bonus;
    switch (code) {
    case 100:
        return creature.level;
    case 101:
        return creature.experience;
    case 102:
        return enemy ? enemy->type_id : -1;
    case 103:
        return player ? player->ClassId : -1;
    case 104:
        return -1;
    case 105:
        return player ? (player->male ? 0 : 1) : NoAttribute;
    case 106:
        return player ? 40 : 20;
    default:
        return NoAttribute;
    }
}

int32_t ObjectAttribute(const TEntity& entity, int32_t code)
{
    const auto* item = dynamic_cast<const TItem*>(&entity);
    if (code == 102)
        return item ? item->type_id : NoAttribute;
    if (code != 106)
        return NoAttribute;
    if (!item)
        return 30;
    if (dynamic_cast<const TWeapon*>(item))
        return 6;
    return item->Container ? 4 : 5;
}

// The permanent-record field a code's change also goes to.
int32_t* BaseOfCode(TBaseRecord& base, int32_t code)
{
    if (code >= 1 && code <= 5)
        return &base.Abilities[code - 1];
    if (code >= 10 && code <= 18)
        return &base.Resistances[code - 10];
    if (code >= 40 && code <= 43)
        return &base.Armor[code - 40];
    if (code >= 50 && code <= 53)
        return &base.AttackMod[code - 50];
    if (code >= 60 && code <= 63)
        return &base.DamageMod[code - 60];
    if (code == 31)
        return &base.end_max;
    if (code == 33)
        return &base.mana_max;
    return nullptr;
}

// A timed change of one attribute, recorded where the effect undoes it.
std::unique_ptr<TEffectMod> TimedChange(TCreature& creature, int32_t code, int32_t delta, int32_t duration)
{
    auto effect = std::make_unique<TEffectMod>();
    effect->Target = &creature;
    effect->Remaining = RoundsToTicks(duration);
    if (code >= 1 && code <= 5)
        effect->Abilities[code - 1] = delta;
    else if (code >= 10 && code <= 18)
        effect->Resistances[code - 10] = delta;
    else if (code == 31)
        effect->end_max = delta;
    else if (code == 33)
        effect->mana_max = delta;
    else if (code >= 40 && code <= 43)
        effect->Armor[code - 40] = delta;
    else if (code >= 50 && code <= 53)
        effect->Attack[code - 50] = delta;
    else
        effect->DamageBonus[code - 60] = delta;
    return effect;
}

} // namespace

int32_t GetAttribute(const TEntity* entity, int32_t code)
{
    if (!entity)
        return NoAttribute;
    if (const auto* creature = dynamic_cast<const TCreature*>(entity))
        return CreatureAttribute(*creature, code);
    return ObjectAttribute(*entity, code);
}

void SetAttribute(TCreature* creature, int32_t code, int32_t value, int32_t duration)
{
    if (!creature)
        return;
    // The difference of two 32-bit values needs 33 bits: a stat goes there in at
    // most two changes, and the change recorded is kept in range.
    auto clamped = [](int64_t amount) { return static_cast<int32_t>(std::clamp<int64_t>(amount, INT32_MIN, INT32_MAX)); };
    int32_t delta;
    if (const auto stat = StatOfCode(code)) {
        int64_t remaining = int64_t(value) - creature->GetStat(*stat);
        int64_t made = 0;
        while (remaining != 0) {
            const int32_t step = clamped(remaining);
            const int32_t change = creature->ChangeStat(*stat, step);
            made += change;
            remaining -= step;
            if (change != step)
                break;
        }
        delta = clamped(made);
        if (code == 30 || code == 32)
            duration = 0;
    } else if (int32_t* bonus = BonusOfCode(*creature, code)) {
        delta = clamped(int64_t(value) - *bonus);
        *bonus = value;
    } else {
        return;
    }

    TProcess& process = Process();
    auto* player = dynamic_cast<TPlayer*>(creature);
    if (player && duration <= 0)
        if (int32_t* base = BaseOfCode(player->Base, code))
            *base += delta;
    if (duration > 0 && process.MainForm && process.MainForm->EffectsManager)
        process.MainForm->EffectsManager->Add(TimedChange(*creature, code, delta, duration));
    if (process.MainForm && process.Client)
        if (const int slot = process.MainForm->SlotOf(creature))
            process.Client->RefreshMemberPanel(slot);
}
