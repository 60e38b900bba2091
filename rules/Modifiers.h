// The stat modifiers an item, weapon, special use or spell applies.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rules/Damage.h"
#include "rules/Entity.h"

constexpr int AbilityCount = 5;
// Melee, missile, wizard, priest: the attack classes index armour, attack and damage.
constexpr int AttackClassCount = 4;
enum TAttackClass : int { acMelee, acMissile, acWizard, acPriest };

class TModifiers : public TEntity {
public:
    // The modifier a `modifiers` row names; null for a name that is none.
    int32_t* FieldByName(const std::string& name);
    // Sets the modifier a `modifiers` row names; false for a name that is none.
    bool SetByName(const std::string& name, int32_t value);

    std::array<int32_t, AbilityCount> Abilities{};  // ab_str, ab_dex, ab_mind, ab_faith, ab_const
    std::array<int32_t, AttackClassCount> Armor{};  // armor_melee, armor_missile, armor_wiz, armor_priest
    std::array<int32_t, AttackClassCount> Attack{};  // atk_melee ... atk_priest
    std::array<int32_t, AttackClassCount> DamageBonus{};  // dmg_melee ... dmg_priest
    std::array<int32_t, DamageTypeCount> Resistances{};  // res_physical ... res_poison
    int32_t mana_max = 0;
    int32_t end_max = 0;
    int32_t mana = 0;
    int32_t end = 0;
};
