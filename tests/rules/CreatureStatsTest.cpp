#include <gtest/gtest.h>

#include <array>
#include <string>

#include "rules/Creature.h"

namespace {

struct MaximumCase {
    int32_t current;
    int32_t maximum;
    int32_t delta;
    int32_t newCurrent;
    int32_t newMaximum;
    const char* why;
};

const MaximumCase MaximumCases[] = {
    {10, 20, 10, 15, 30, "the share of what is left is kept"},
    {0, 20, 10, 30, 30, "with nothing left the new maximum is full"},
    {0, 0, 10, 10, 10, "with no maximum the new maximum is full"},
    {5, 10, 1, 6, 11, "5.5 rounds to even"},
    {5, 10, 3, 6, 13, "6.5 rounds to even"},
    {1, 2, 3, 2, 5, "2.5 rounds to even"},
    {1, 2, 1, 2, 3, "1.5 rounds to even"},
    {20, 20, -5, 15, 15, "full stays full"},
    {8, 10, -5, 5, 5, "a maximum below the current value cuts it"},
    {3, 8, -4, 2, 4, "1.5 rounds to even"},
    {1, 4, -2, 0, 2, "0.5 rounds to even, down to nothing"},
    {10, 10, -15, 0, 0, "the maximum stops at 0"},
    // The share is held in single precision: 5/6 is a little under, so 7.5 becomes 7.4999998.
    {5, 6, 3, 7, 9, "single-precision share rounds down"},
    // 9/10 is a little under too: 13.5 becomes 13.499999.
    {9, 10, 5, 13, 15, "single-precision share rounds down"},
    // 1/6 is a little over: 2.5 becomes 2.5000001.
    {1, 6, 9, 3, 15, "single-precision share rounds up"},
    {1, 6, -3, 1, 3, "single-precision share rounds up"},
    {30, 20, 5, 25, 25, "more than the maximum is cut to the new maximum"},
};

} // namespace

TEST(CreatureStatsTest, MaximumEnduranceKeepsTheShareOfCurrentEndurance)
{
    for (const MaximumCase& c : MaximumCases) {
        TEnemy creature;
        creature.end = c.current;
        creature.end_max = c.maximum;
        creature.mana = 3;
        creature.mana_max = 7;
        EXPECT_EQ(creature.ChangeStat(siEndMax, c.delta), c.newMaximum - c.maximum) << c.why;
        EXPECT_EQ(creature.end, c.newCurrent) << c.current << "/" << c.maximum << " " << c.delta << ": " << c.why;
        EXPECT_EQ(creature.end_max, c.newMaximum) << c.why;
        EXPECT_EQ(creature.mana, 3);
        EXPECT_EQ(creature.mana_max, 7);
    }
}

TEST(CreatureStatsTest, MaximumManaKeepsTheShareOfCurrentMana)
{
    for (const MaximumCase& c : MaximumCases) {
        TEnemy creature;
        creature.mana = c.current;
        creature.mana_max = c.maximum;
        creature.end = 3;
        creature.end_max = 7;
        EXPECT_EQ(creature.ChangeStat(siManaMax, c.delta), c.newMaximum - c.maximum) << c.why;
        EXPECT_EQ(creature.mana, c.newCurrent) << c.current << "/" << c.maximum << " " << c.delta << ": " << c.why;
        EXPECT_EQ(creature.mana_max, c.newMaximum) << c.why;
        EXPECT_EQ(creature.end, 3);
        EXPECT_EQ(creature.end_max, 7);
    }
}

TEST(CreatureStatsTest, CurrentValuesStayBetweenNothingAndTheMaximum)
{
    struct Case {
        int32_t current;
        int32_t delta;
        int32_t expected;
    };
    const Case cases[] = {{10, 5, 15}, {10, 15, 20}, {10, 500, 20}, {10, -4, 6},
                          {10, -10, 0}, {10, -50, 0}, {0, 3, 3},    {20, 1, 20}};
    for (const Case& c : cases) {
        TEnemy creature;
        creature.end_max = creature.mana_max = 20;
        creature.end = creature.mana = c.current;
        // Current endurance and mana report no change, whatever happened.
        EXPECT_EQ(creature.ChangeStat(siEnd, c.delta), 0);
        EXPECT_EQ(creature.ChangeStat(siMana, c.delta), 0);
        EXPECT_EQ(creature.end, c.expected) << c.current << " + " << c.delta;
        EXPECT_EQ(creature.mana, c.expected) << c.current << " + " << c.delta;
        EXPECT_EQ(creature.end_max, 20);
        EXPECT_EQ(creature.mana_max, 20);
    }
}

TEST(CreatureStatsTest, AbilityThresholdsStepTheirBonuses)
{
    struct Case {
        int stat;
        int32_t from;
        int32_t to;
        std::array<int32_t, 4> attack;
        std::array<int32_t, 4> armor;
    };
    const Case cases[] = {
        {siStrength, 14, 15, {1, 0, 0, 0}, {}},
        {siStrength, 15, 14, {-1, 0, 0, 0}, {}},
        {siStrength, 15, 16, {}, {}},
        {siStrength, 31, 29, {-1, 0, 0, 0}, {}},
        {siStrength, 10, 126, {6, 0, 0, 0}, {}},
        {siStrength, 126, 10, {-6, 0, 0, 0}, {}},
        {siStrength, 125, 126, {1, 0, 0, 0}, {}},
        {siStrength, 126, 250, {}, {}},
        {siStrength, -20, 14, {}, {}},
        {siStrength, 44, 95, {0 + 3, 0, 0, 0}, {}},  // 45, 70, 95
        {siDexterity, 14, 30, {0, 2, 0, 0}, {2, 2, 0, 0}},
        {siDexterity, 70, 69, {0, -1, 0, 0}, {-1, -1, 0, 0}},
        {siMindPower, 0, 10, {}, {0, 0, 7, 0}},
        {siMindPower, 10, 0, {}, {0, 0, -7, 0}},
        {siMindPower, 0, 126, {0, 0, 6, 0}, {0, 0, 27, 0}},
        {siMindPower, 13, 15, {0, 0, 1, 0}, {0, 0, 1, 0}},
        {siMindPower, 4, 5, {}, {}},
        {siFaith, 0, 10, {}, {0, 0, 0, 7}},
        {siFaith, 44, 46, {0, 0, 0, 1}, {0, 0, 0, 1}},
        {siFaith, 101, 99, {}, {0, 0, 0, -1}},
    };
    for (const Case& c : cases) {
        TEnemy creature;
        creature.end = creature.end_max = 20;
        creature.SetStat(c.stat, c.from, false);
        const std::string what = std::to_string(c.stat) + ": " + std::to_string(c.from) + " to " + std::to_string(c.to);
        EXPECT_EQ(creature.ChangeStat(c.stat, c.to - c.from), c.to - c.from) << what;
        EXPECT_EQ(creature.GetStat(c.stat), c.to) << what;
        EXPECT_EQ(creature.AttackMod, c.attack) << what;
        EXPECT_EQ(creature.Armor, c.armor) << what;
        EXPECT_EQ(creature.DamageMod, (std::array<int32_t, 4>{})) << what;
        EXPECT_EQ(creature.end_max, 20) << what;
    }
}

TEST(CreatureStatsTest, ConstitutionMovesMaximumEnduranceByEvenSteps)
{
    struct Case {
        int32_t from;
        int32_t to;
        int32_t endMaxChange;
    };
    const Case cases[] = {
        {13, 14, 3}, {14, 15, 0},  {15, 13, -3}, {15, 14, 0},  {14, 13, -3}, {0, 1, 0},  {1, 2, 3},
        {10, 20, 15}, {20, 10, -15}, {11, 20, 15}, {10, 21, 15}, {-3, -2, 3}, {-1, 0, 3}, {3, 3, 0},
    };
    for (const Case& c : cases) {
        TEnemy creature;
        creature.end_max = 100;
        creature.end = 100;
        creature.Abilities[4] = c.from;
        EXPECT_EQ(creature.ChangeStat(siConstitution, c.to - c.from), c.to - c.from);
        EXPECT_EQ(creature.Abilities[4], c.to);
        EXPECT_EQ(creature.end_max, 100 + c.endMaxChange) << c.from << " to " << c.to;
        EXPECT_EQ(creature.end, 100 + c.endMaxChange) << c.from << " to " << c.to;
        EXPECT_EQ(creature.AttackMod, (std::array<int32_t, 4>{}));
        EXPECT_EQ(creature.Armor, (std::array<int32_t, 4>{}));
    }
}

TEST(CreatureStatsTest, ConstitutionChangesEnduranceThroughTheMaximumRule)
{
    TEnemy creature;
    creature.end_max = 20;
    creature.end = 10;
    creature.Abilities[4] = 13;
    creature.ChangeStat(siConstitution, 1);
    EXPECT_EQ(creature.end_max, 23);
    EXPECT_EQ(creature.end, 12);  // 11.5 to even

    // Losing more than there is stops the maximum at 0.
    TEnemy frail;
    frail.end_max = 2;
    frail.end = 2;
    frail.Abilities[4] = 14;
    frail.ChangeStat(siConstitution, -2);
    EXPECT_EQ(frail.Abilities[4], 12);
    EXPECT_EQ(frail.end_max, 0);
    EXPECT_EQ(frail.end, 0);
}

TEST(CreatureStatsTest, ResistancesMoveFreely)
{
    for (int stat = siFirstResistance; stat <= siLastResistance; ++stat) {
        TEnemy creature;
        creature.end = creature.end_max = 20;
        EXPECT_EQ(creature.ChangeStat(stat, 90), 90);
        EXPECT_EQ(creature.ChangeStat(stat, 40), 40);
        EXPECT_EQ(creature.GetStat(stat), 130);
        EXPECT_EQ(creature.ChangeStat(stat, -300), -300);
        EXPECT_EQ(creature.GetStat(stat), -170);
        std::array<int32_t, DamageTypeCount> expected{};
        expected[stat - siFirstResistance] = -170;
        EXPECT_EQ(creature.Resistances, expected);
        EXPECT_EQ(creature.end, 20);
        EXPECT_EQ(creature.AttackMod, (std::array<int32_t, 4>{}));
        EXPECT_EQ(creature.Armor, (std::array<int32_t, 4>{}));
    }
}

TEST(CreatureStatsTest, StatIndexesMapToTheirFields)
{
    TEnemy creature;
    creature.end = 1;
    creature.end_max = 2;
    creature.mana = 3;
    creature.mana_max = 4;
    creature.Abilities = {5, 6, 7, 8, 9};
    creature.Resistances = {10, 11, 12, 13, 14, 15, 16, 17, 18};
    for (int stat = 0; stat <= 17; ++stat)
        EXPECT_EQ(creature.GetStat(stat), stat + 1) << "stat " << stat;
    for (int stat : {-1, 18, 100}) {
        EXPECT_EQ(creature.GetStat(stat), 0);
        EXPECT_EQ(creature.ChangeStat(stat, 5), 0);
        creature.SetStat(stat, 9, true);
        creature.SetStat(stat, 9, false);
    }
    for (int stat = 0; stat <= 17; ++stat)
        EXPECT_EQ(creature.GetStat(stat), stat + 1) << "stat " << stat;
}

TEST(CreatureStatsTest, DeltaZeroDoesNothing)
{
    TEnemy creature;
    creature.end = 5;  // above the maximum as a loader might leave it
    creature.end_max = 3;
    creature.Abilities[0] = 15;
    for (int stat = 0; stat <= 17; ++stat)
        EXPECT_EQ(creature.ChangeStat(stat, 0), 0);
    EXPECT_EQ(creature.end, 5);
    EXPECT_EQ(creature.end_max, 3);
}

TEST(CreatureStatsTest, SetStatStoresPlainlyOrThroughTheRules)
{
    TEnemy loaded;
    loaded.end_max = 20;
    loaded.end = 10;
    loaded.SetStat(siStrength, 40, false);
    loaded.SetStat(siConstitution, 20, false);
    loaded.SetStat(siEndMax, 30, false);
    EXPECT_EQ(loaded.Abilities[0], 40);
    EXPECT_EQ(loaded.AttackMod[0], 0);
    EXPECT_EQ(loaded.end_max, 30);
    EXPECT_EQ(loaded.end, 10);

    TEnemy played;
    played.end_max = 20;
    played.end = 10;
    played.Abilities = {14, 0, 0, 0, 13};
    played.SetStat(siStrength, 40, true);
    EXPECT_EQ(played.AttackMod[0], 2);  // 15 and 30
    played.SetStat(siConstitution, 14, true);
    EXPECT_EQ(played.end_max, 23);
    played.SetStat(siEndMax, 46, true);
    EXPECT_EQ(played.end, 24);  // 12 of 23 kept as a share
    played.SetStat(siEnd, 99, true);
    EXPECT_EQ(played.end, 46);
}
