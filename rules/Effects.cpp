#include "rules/Effects.h"

#include <algorithm>

#include "rules/Creature.h"

TEffectsManager::TEffectsManager() : FEffects(20) {}

void TEffectsManager::Add(std::unique_ptr<TEffect> effect)
{
    if (!effect || (effect->Target && effect->Target->end <= 0))
        return;
    auto place = std::find(FEffects.begin(), FEffects.end(), nullptr);
    if (place == FEffects.end()) {
        FEffects.resize(FEffects.size() + 20);
        place = std::find(FEffects.begin(), FEffects.end(), nullptr);
    }
    *place = std::move(effect);
}

void TEffectsManager::CancelFor(int64_t creatureId)
{
    for (auto& effect : FEffects)
        if (effect && effect->Target && effect->Target->Id == creatureId)
            effect->Kind = ekCancelled;
}

void TEffectsManager::CancelDamageOfType(int64_t creatureId, int damageType)
{
    for (auto& effect : FEffects)
        if (auto* damage = dynamic_cast<TEffectDamage*>(effect.get());
            damage && damage->Target && damage->Target->Id == creatureId && damage->Damage.DamageType == damageType)
            damage->Kind = ekCancelled;
}

void TEffectsManager::DropFor(const TCreature* creature)
{
    for (auto& effect : FEffects)
        if (effect && effect->Target == creature)
            effect.reset();
}
