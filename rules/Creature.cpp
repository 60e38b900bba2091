#include "rules/Creature.h"

#include "app/MainForm.h"
#include "rules/Death.h"
#include "rules/Effects.h"
#include "session/GameClient.h"
#include "session/Process.h"

#include <algorithm>
#include <cmath>

namespace {

// Ability scores at which a derived bonus steps by one.
const int ThresholdsA[] = {15, 30, 45, 70, 95, 126};
const int ThresholdsB[] = {1, 2, 3, 4, 6, 8, 10, 12, 15, 18, 21, 24, 27, 30, 35, 40, 45, 50, 55, 60, 70, 80, 90, 100, 110, 120, 126};

// Thresholds crossed from old to new: positive upward, negative downward.
template <size_t N>
int Crossings(const int (&thresholds)[N], int64_t from, int64_t to)
{
    int count = 0;
    for (int threshold : thresholds) {
        if (from < threshold && threshold <= to)
            ++count;
        else if (to < threshold && threshold <= from)
            --count;
    }
    return count;
}

// Scripts may ask for any value: sums stay within the 32-bit range.
int32_t Saturate(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int64_t EvenFloor(int64_t value)
{
    return value >= 0 ? value - value % 2 : value - ((-value) % 2);
}

} // namespace

TCreature::TCreature()
{
    NaturalDamage.DamageType = 0;
    NaturalDamage.Duration = -1;
    NaturalDamage.Trigger = 0;
}

TCreature::~TCreature()
{
    if (TForm1* form = Process().MainForm.get(); form && form->EffectsManager)
        form->EffectsManager->DropFor(this);
}

int32_t* TCreature::StatField(int stat)
{
    switch (stat) {
    case siEnd:
        return &end;
    case siEndMax:
        return &end_max;
    case siMana:
        return &mana;
    case siManaMax:
        return &mana_max;
    default:
        if (stat >= siStrength && stat <= siConstitution)
            return &Abilities[stat - siStrength];
        if (stat >= siFirstResistance && stat <= siLastResistance)
            return &Resistances[stat - siFirstResistance];
        return nullptr;
    }
}

int32_t TCreature::GetStat(int stat) const
{
    const int32_t* field = const_cast<TCreature*>(this)->StatField(stat);
    return field ? *field : 0;
}

void TCreature::SetStat(int stat, int32_t value, bool throughChange)
{
    int32_t* field = StatField(stat);
    if (!field)
        return;
    if (throughChange)
        ChangeStat(stat, value - *field);
    else
        *field = value;
}

void TCreature::ChangeMaximum(int32_t& maximum, int32_t& current, int32_t delta)
{
    // The share of the maximum that is left, kept across the change.
    const float ratio = maximum <= 0 || current == 0 ? 1.0f : static_cast<float>(current) / static_cast<float>(maximum);
    maximum = Saturate(std::max<int64_t>(0, int64_t(maximum) + delta));
    if (maximum < current)
        current = maximum;
    else
        current = static_cast<int32_t>(std::nearbyint(static_cast<double>(maximum) * static_cast<double>(ratio)));
}

void TCreature::ChangeAbility(int ability, int32_t delta)
{
    int32_t& value = Abilities[ability];
    const int64_t from = value;
    value = Saturate(from + delta);
    const int64_t to = value;
    const int a = Crossings(ThresholdsA, from, to);
    // Bonuses already at the edge of the range stay there.
    auto add = [](int32_t& field, int64_t delta) { field = Saturate(field + delta); };
    switch (ability + siStrength) {
    case siStrength:
        add(AttackMod[0], a);
        break;
    case siDexterity:
        add(AttackMod[1], a);
        add(Armor[0], a);
        add(Armor[1], a);
        break;
    case siMindPower:
        add(AttackMod[2], a);
        add(Armor[2], Crossings(ThresholdsB, from, to));
        break;
    case siFaith:
        add(AttackMod[3], a);
        add(Armor[3], Crossings(ThresholdsB, from, to));
        break;
    case siConstitution:
        ChangeStat(siEndMax, Saturate((EvenFloor(to) - EvenFloor(from)) * 3 / 2));
        break;
    }
}

int32_t TCreature::ChangeStat(int stat, int32_t delta)
{
    int32_t* field = StatField(stat);
    if (!field || delta == 0)
        return 0;
    const int32_t before = *field;
    switch (stat) {
    case siEnd:
        end = static_cast<int32_t>(std::clamp<int64_t>(int64_t(end) + delta, 0, std::max(0, end_max)));
        break;
    case siMana:
        mana = static_cast<int32_t>(std::clamp<int64_t>(int64_t(mana) + delta, 0, std::max(0, mana_max)));
        break;
    case siEndMax:
        ChangeMaximum(end_max, end, delta);
        break;
    case siManaMax:
        ChangeMaximum(mana_max, mana, delta);
        break;
    default:
        if (stat <= siConstitution)
            ChangeAbility(stat - siStrength, delta);
        else
            *field = Saturate(int64_t(*field) + delta);
        break;
    }
    const int32_t change = stat == siEnd || stat == siMana ? 0 : Saturate(int64_t(*field) - before);
    if (stat == siEnd && end <= 0) {
        CreatureDied(*this);
        return change;
    }
    if (stat >= siStrength && stat <= siConstitution)
        RecheckEquipment();
    const TProcess& process = Process();
    if (process.MainForm && process.Client)
        if (const int slot = process.MainForm->SlotOf(this))
            process.Client->RefreshMemberPanel(slot);
    return change;
}

TBaseRecord TPlayer::CurrentRecord() const
{
    return TBaseRecord{end_max, mana_max, Abilities, Resistances, attack_roll, delay, AttackMod, DamageMod, Armor};
}
