#include "rules/Modifiers.h"

#include <iterator>

namespace {

const char* const AbilityNames[] = {"ab_str", "ab_dex", "ab_mind", "ab_faith", "ab_const"};
const char* const ArmorNames[] = {"armor_melee", "armor_missile", "armor_wiz", "armor_priest"};
const char* const AttackNames[] = {"atk_melee", "atk_missile", "atk_wiz", "atk_priest"};
const char* const DamageNames[] = {"dmg_melee", "dmg_missile", "dmg_wiz", "dmg_priest"};
const char* const ResistanceNames[] = {"res_physical", "res_pierce", "res_blunt", "res_slash", "res_fire",
                                       "res_acid",     "res_cold",   "res_electric", "res_poison"};

template <size_t N, size_t M>
int32_t* FindIn(const char* const (&names)[N], std::array<int32_t, M>& values, const std::string& name)
{
    static_assert(N == M);
    for (size_t index = 0; index < N; ++index)
        if (name == names[index])
            return &values[index];
    return nullptr;
}

} // namespace

int32_t* TModifiers::FieldByName(const std::string& name)
{
    for (int32_t* field : {FindIn(AbilityNames, Abilities, name), FindIn(ArmorNames, Armor, name),
                           FindIn(AttackNames, Attack, name), FindIn(DamageNames, DamageBonus, name),
                           FindIn(ResistanceNames, Resistances, name)})
        if (field)
            return field;
    return name == "mana_max" ? &mana_max
           : name == "end_max" ? &end_max
           : name == "mana"    ? &mana
           : name == "end"     ? &end
                               : nullptr;
}

bool TModifiers::SetByName(const std::string& name, int32_t value)
{
    int32_t* field = FieldByName(name);
    if (field)
        *field = value;
    return field != nullptr;
}
