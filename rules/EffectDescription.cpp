#include "rules/EffectDescription.h"

#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Effects.h"
#include "session/Process.h"

namespace {

const char* const AbilityNames[AbilityCount] = {"Strength", "Dexterity", "Mind Power", "Faith", "Constitution"};
const char* const AttackClassNames[AttackClassCount] = {"melee", "missile", "wizard", "priest"};
const char* const ResistanceNames[DamageTypeCount] = {"physical", "pierce", "blunt", "slash", "fire",
                                                      "acid",     "cold",   "electric", "poison"};

std::string Signed(int32_t value)
{
    return (value > 0 ? "+" : "") + std::to_string(value);
}

std::string Changes(const TEffectMod& made)
{
    std::string text;
    auto add = [&text](const std::string& what, int32_t change) {
        if (change != 0)
            text += (text.empty() ? "" : " and ") + what + " " + Signed(change);
    };
    for (int ability = 0; ability < AbilityCount; ++ability)
        add(AbilityNames[ability], made.Abilities[ability]);
    for (int kind = 0; kind < AttackClassCount; ++kind)
        add(std::string(AttackClassNames[kind]) + " armour", made.Armor[kind]);
    for (int kind = 0; kind < AttackClassCount; ++kind)
        add(std::string(AttackClassNames[kind]) + " attack", made.Attack[kind]);
    for (int kind = 0; kind < AttackClassCount; ++kind)
        add(std::string(AttackClassNames[kind]) + " damage", made.DamageBonus[kind]);
    for (int type = 0; type < DamageTypeCount; ++type)
        add(std::string(ResistanceNames[type]) + " resistance", made.Resistances[type]);
    add("maximum mana", made.mana_max);
    add("maximum endurance", made.end_max);
    return text.empty() ? "no change" : text;
}

std::string What(const TEffect& effect)
{
    if (const auto* made = dynamic_cast<const TEffectMod*>(&effect); made && effect.Kind == ekModifier)
        return Changes(*made);
    if (const auto* damage = dynamic_cast<const TEffectDamage*>(&effect); damage && effect.Kind == ekDamage) {
        const std::string word = DamageTypeWord(damage->Damage.DamageType);
        return (word.empty() ? "" : word.substr(1) + " ") + "damage";
    }
    if (effect.Kind == StateUnableToAct)
        return "unable to act";
    if (IsStateKind(effect.Kind)) {
        const std::string& name = Process().MessageTable[effect.Kind].Name;
        return name.empty() ? "state " + std::to_string(effect.Kind) : name;
    }
    return {};
}

std::string TimeLeft(int32_t ticks, bool turnBased)
{
    const int64_t left = ticks > 0 ? ticks : 0;
    if (turnBased) {
        const int64_t rounds = (left + TicksPerRound - 1) / TicksPerRound;
        return std::to_string(rounds) + (rounds == 1 ? " round" : " rounds");
    }
    return std::to_string((left * TickIntervalMs + 999) / 1000) + " s";
}

} // namespace

std::string DescribeEffect(const TEffect& effect, bool turnBased)
{
    const std::string what = What(effect);
    return what.empty() ? what : what + " (" + TimeLeft(effect.Remaining, turnBased) + " left)";
}
