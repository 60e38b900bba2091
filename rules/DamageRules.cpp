#include "rules/DamageRules.h"

#include "app/MainForm.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"

namespace {

TEffectsManager* Effects()
{
    const TProcess& process = Process();
    return process.MainForm ? process.MainForm->EffectsManager.get() : nullptr;
}

bool SessionClosed()
{
    const TProcess& process = Process();
    return !process.Client || process.Client->SessionClosed;
}

void RefreshIfMember(TCreature* creature)
{
    const TProcess& process = Process();
    if (!process.MainForm || !process.Client)
        return;
    if (const int slot = process.MainForm->SlotOf(creature))
        process.Client->RefreshMemberPanel(slot);
}

} // namespace

const char* DamageTypeWord(int type)
{
    static const char* const Words[DamageTypeCount] = {"",      " piercing", " blunt", " slashing", " fire",
                                                       " acid", " cold",     " lightning", " poison"};
    return type >= 1 && type < DamageTypeCount ? Words[type] : "";
}

int32_t ApplyDamage(const DamageRec* damage, TCreature* target, int32_t extra)
{
    if (!damage || !target || damage->Duration == 0)
        return 0;
    if (damage->Duration > 0 && damage->Trigger > 0) {
        auto effect = std::make_unique<TEffectDamage>();
        effect->Target = target;
        effect->Damage = *damage;
        effect->Damage.Duration = -1;
        effect->Damage.Trigger = -1;
        effect->Remaining = RoundsToTicks(damage->Duration);
        effect->Period = UnitsToTicks(damage->Trigger);
        // The countdown starts full: the first tick deals the first hit.
        effect->Counter = effect->Period;
        if (TEffectsManager* effects = Effects())
            effects->Add(std::move(effect));
        return 0;
    }
    const auto roll = RollDamageAmount(*damage);
    if (!roll)
        return 0;
    int64_t amount = int64_t(*roll) + damage->Modifier + extra;
    const char* word = "";
    if (damage->DamageType >= 1 && damage->DamageType < DamageTypeCount) {
        amount = amount * (100 - int64_t(target->Resistances[damage->DamageType])) / 100;
        word = DamageTypeWord(damage->DamageType);
    }
    if (!SessionClosed())
        AppendText(target->Name + " took " + std::to_string(amount) + word + " damage");
    if (amount <= 0)
        return 0;
    const int32_t taken = static_cast<int32_t>(std::min<int64_t>(amount, INT32_MAX));
    target->ChangeStat(siEnd, -taken);
    return taken;
}

void DamageByText(TCreature* creature, int32_t modifier, const std::string& text, int32_t trigger, int32_t duration,
                  int32_t dtype)
{
    if (!creature || creature->IsDead())
        return;
    DamageRec damage;
    ParseDamageText(text, damage);
    damage.Modifier = modifier;
    damage.Trigger = trigger;
    damage.Duration = duration;
    if (dtype >= 1 && dtype <= DamageTypeCount)
        damage.DamageType = static_cast<uint8_t>(dtype - 1);
    ApplyDamage(&damage, creature, 0);
}

void ApplyModifiers(const TSpecialItem* special, TCreature* target)
{
    if (!special || !target || special->duration == 0)
        return;
    const bool permanent = special->duration < 0;
    auto effect = std::make_unique<TEffectMod>();
    TEffectMod& made = *effect;
    if (!permanent) {
        // Current mana and endurance change at once and stay changed.
        target->ChangeStat(siMana, special->mana);
        target->ChangeStat(siEnd, special->end);
    }
    for (int ability = 0; ability < AbilityCount; ++ability)
        made.Abilities[ability] = target->ChangeStat(siStrength + ability, special->Abilities[ability]);
    made.mana_max = target->ChangeStat(siManaMax, special->mana_max);
    made.end_max = target->ChangeStat(siEndMax, special->end_max);
    if (permanent) {
        target->ChangeStat(siMana, special->mana);
        target->ChangeStat(siEnd, special->end);
    }
    for (int type = 0; type < DamageTypeCount; ++type)
        made.Resistances[type] = target->ChangeStat(siFirstResistance + type, special->Resistances[type]);
    for (int kind = 0; kind < AttackClassCount; ++kind) {
        target->Armor[kind] += special->Armor[kind];
        target->AttackMod[kind] += special->Attack[kind];
        target->DamageMod[kind] += special->DamageBonus[kind];
        made.Armor[kind] = special->Armor[kind];
        made.Attack[kind] = special->Attack[kind];
        made.DamageBonus[kind] = special->DamageBonus[kind];
    }

    if (!permanent && target->end > 0) {
        effect->Target = target;
        effect->Remaining = RoundsToTicks(special->duration);
        if (TEffectsManager* effects = Effects())
            effects->Add(std::move(effect));
    }
    if (auto* player = dynamic_cast<TPlayer*>(target); player && permanent && Process().MainForm &&
                                                       Process().MainForm->SlotOf(player)) {
        TBaseRecord& base = player->Base;
        base.end_max += made.end_max;
        base.mana_max += made.mana_max;
        for (int ability = 0; ability < AbilityCount; ++ability)
            base.Abilities[ability] += made.Abilities[ability];
        for (int type = 0; type < DamageTypeCount; ++type)
            base.Resistances[type] += made.Resistances[type];
        for (int kind = 0; kind < AttackClassCount; ++kind) {
            base.Armor[kind] += made.Armor[kind];
            base.AttackMod[kind] += made.Attack[kind];
            base.DamageMod[kind] += made.DamageBonus[kind];
        }
    }
    RefreshIfMember(target);
}
