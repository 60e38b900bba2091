#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rules/Attributes.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "rules/Item.h"
#include "support/EngineFixture.h"

namespace {

// Every attribute a creature has, each with its own value.
void FillDistinct(TCreature& creature)
{
    creature.Abilities = {11, 12, 13, 14, 15};
    creature.Resistances = {21, 22, 23, 24, 25, 26, 27, 28, 29};
    creature.end = 301;
    creature.end_max = 311;
    creature.mana = 321;
    creature.mana_max = 331;
    creature.Armor = {401, 411, 421, 431};
    creature.AttackMod = {501, 511, 521, 531};
    creature.DamageMod = {601, 611, 621, 631};
    creature.level = 7;
    creature.experience = 1234;
}

// Everything SetAttribute may touch, to see that only one thing moved.
std::vector<int32_t> Snapshot(const TCreature& c)
{
    std::vector<int32_t> all{c.end, c.end_max, c.mana, c.mana_max, c.level, c.experience};
    all.insert(all.end(), c.Abilities.begin(), c.Abilities.end());
    all.insert(all.end(), c.Resistances.begin(), c.Resistances.end());
    all.insert(all.end(), c.Armor.begin(), c.Armor.end());
    all.insert(all.end(), c.AttackMod.begin(), c.AttackMod.end());
    all.insert(all.end(), c.DamageMod.begin(), c.DamageMod.end());
    return all;
}

std::vector<int32_t> Snapshot(const TBaseRecord& b)
{
    std::vector<int32_t> all{b.end_max, b.mana_max, b.attack_roll, b.delay};
    all.insert(all.end(), b.Abilities.begin(), b.Abilities.end());
    all.insert(all.end(), b.Resistances.begin(), b.Resistances.end());
    all.insert(all.end(), b.AttackMod.begin(), b.AttackMod.end());
    all.insert(all.end(), b.DamageMod.begin(), b.DamageMod.end());
    all.insert(all.end(), b.Armor.begin(), b.Armor.end());
    return all;
}

class AttributesTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Process().MainForm->EffectsManager = std::make_unique<TEffectsManager>();
    }

    TPlayer& Member()
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = "Bram";
        player->end_max = player->end = 20;
        player->mana_max = player->mana = 4;
        player->Abilities = {14, 10, 10, 10, 13};
        player->Base.end_max = 20;
        player->Base.mana_max = 4;
        player->Base.Abilities = {14, 10, 10, 10, 13};
        player->Base.Armor = {2, 2, 2, 2};
        player->Armor = {2, 2, 2, 2};
        player->AttackMod = {1, 1, 1, 1};
        Process().MainForm->Party[0] = std::move(player);
        return *Process().MainForm->Party[0];
    }
};

} // namespace

// ---- Reading -------------------------------------------------------------

TEST_F(AttributesTest, CreatureCodesReadTheirOwnFields)
{
    struct Case {
        int32_t code;
        int32_t expected;
    };
    const Case cases[] = {
        {1, 11},   {2, 12},   {3, 13},   {4, 14},   {5, 15},   {10, 21},  {11, 22},  {12, 23},
        {13, 24},  {14, 25},  {15, 26},  {16, 27},  {17, 28},  {18, 29},  {30, 301}, {31, 311},
        {32, 321}, {33, 331}, {40, 401}, {41, 411}, {42, 421}, {43, 431}, {50, 501}, {51, 511},
        {52, 521}, {53, 531}, {60, 601}, {61, 611}, {62, 621}, {63, 631}, {100, 7},  {101, 1234},
        {104, -1},
    };
    TEnemy enemy;
    TPlayer player;
    FillDistinct(enemy);
    FillDistinct(player);
    for (const Case& c : cases) {
        EXPECT_EQ(GetAttribute(&enemy, c.code), c.expected) << "code " << c.code;
        EXPECT_EQ(GetAttribute(&player, c.code), c.expected) << "code " << c.code;
    }
}

TEST_F(AttributesTest, CodesWithoutAnAttributeReadAsNone)
{
    TEnemy enemy;
    TPlayer player;
    FillDistinct(enemy);
    FillDistinct(player);
    for (int32_t code : {7, 0, 6, 8, 9, 19, 20, 29, 34, 39, 44, 49, 54, 59, 64, 99, 107, 255, -1, -10000}) {
        EXPECT_EQ(GetAttribute(&enemy, code), -10000) << "code " << code;
        EXPECT_EQ(GetAttribute(&player, code), -10000) << "code " << code;
    }
}

TEST_F(AttributesTest, TypeClassSexAndKindDependOnWhatTheCreatureIs)
{
    TEnemy wolf;
    wolf.type_id = 33;
    TPlayer man;
    man.ClassId = 5;
    man.male = true;
    TPlayer woman;
    woman.ClassId = 0;
    woman.male = false;

    struct Case {
        const TCreature* who;
        const char* what;
        int32_t code;
        int32_t expected;
    };
    const Case cases[] = {
        {&wolf, "enemy", 102, 33},   {&wolf, "enemy", 103, -1},   {&wolf, "enemy", 104, -1},
        {&wolf, "enemy", 105, -10000}, {&wolf, "enemy", 106, 20},
        {&man, "male player", 102, -1}, {&man, "male player", 103, 5}, {&man, "male player", 104, -1},
        {&man, "male player", 105, 0}, {&man, "male player", 106, 40},
        {&woman, "female player", 103, 0}, {&woman, "female player", 105, 1}, {&woman, "female player", 106, 40},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetAttribute(c.who, c.code), c.expected) << c.what << " code " << c.code;
}

TEST_F(AttributesTest, ObjectsReadOnlyTheirTypeAndKind)
{
    TItem ring;
    ring.type_id = 13;
    TWeapon sword;
    TItem chest;
    chest.type_id = -1;
    chest.Container = std::make_unique<TContRec>();
    TSpecialItem special;
    TSpell spell;
    TEntity other;

    struct Case {
        const TEntity* what;
        const char* name;
        int32_t kind;
        int32_t type;
    };
    const Case cases[] = {
        {&ring, "item", 5, 13},          {&sword, "weapon", 6, -1},    {&chest, "container", 4, -1},
        {&special, "special use", 30, -10000}, {&spell, "spell", 30, -10000}, {&other, "entity", 30, -10000},
        {nullptr, "nothing", -10000, -10000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetAttribute(c.what, 106), c.kind) << c.name;
        EXPECT_EQ(GetAttribute(c.what, 102), c.type) << c.name;
        for (int32_t code : {1, 10, 30, 31, 40, 50, 60, 100, 101, 103, 105, 7})
            EXPECT_EQ(GetAttribute(c.what, code), -10000) << c.name << " code " << code;
    }
}

// ---- Setting -------------------------------------------------------------

TEST_F(AttributesTest, BonusCodesAreSetDirectlyWithoutSideEffects)
{
    struct Case {
        int32_t code;
        std::function<int32_t&(TCreature&)> field;
    };
    std::vector<Case> cases;
    for (int kind = 0; kind < 4; ++kind) {
        cases.push_back({40 + kind, [kind](TCreature& c) -> int32_t& { return c.Armor[kind]; }});
        cases.push_back({50 + kind, [kind](TCreature& c) -> int32_t& { return c.AttackMod[kind]; }});
        cases.push_back({60 + kind, [kind](TCreature& c) -> int32_t& { return c.DamageMod[kind]; }});
    }
    for (const Case& c : cases) {
        TEnemy enemy;
        FillDistinct(enemy);
        TEnemy expected;
        FillDistinct(expected);
        c.field(expected) = -3;
        SetAttribute(&enemy, c.code, -3, 0);
        EXPECT_EQ(Snapshot(enemy), Snapshot(expected)) << "code " << c.code;
    }
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(AttributesTest, StatCodesGoThroughTheStatRules)
{
    TEnemy enemy;
    enemy.Name = "Ogre";
    enemy.end_max = 20;
    enemy.end = 10;
    enemy.mana_max = 10;
    enemy.mana = 5;
    enemy.Abilities = {14, 29, 0, 0, 13};

    SetAttribute(&enemy, 1, 15, 0);  // Strength passes 15
    EXPECT_EQ(enemy.Abilities[0], 15);
    EXPECT_EQ(enemy.AttackMod[0], 1);

    SetAttribute(&enemy, 2, 30, 0);  // Dexterity passes 30
    EXPECT_EQ(enemy.AttackMod[1], 1);
    EXPECT_EQ(enemy.Armor[0], 1);
    EXPECT_EQ(enemy.Armor[1], 1);

    SetAttribute(&enemy, 3, 10, 0);  // Mind Power 0 to 10
    EXPECT_EQ(enemy.Armor[2], 7);
    EXPECT_EQ(enemy.AttackMod[2], 0);

    SetAttribute(&enemy, 31, 30, 0);  // the share of endurance is kept
    EXPECT_EQ(enemy.end_max, 30);
    EXPECT_EQ(enemy.end, 15);

    SetAttribute(&enemy, 5, 14, 0);  // Constitution 13 to 14: 3 more endurance
    EXPECT_EQ(enemy.Abilities[4], 14);
    EXPECT_EQ(enemy.end_max, 33);
    EXPECT_EQ(enemy.end, 16);  // 33 * 0.5 = 16.5, to even

    SetAttribute(&enemy, 30, 50, 0);  // no more than the maximum
    EXPECT_EQ(enemy.end, 33);

    SetAttribute(&enemy, 33, 20, 0);
    EXPECT_EQ(enemy.mana_max, 20);
    EXPECT_EQ(enemy.mana, 10);
    SetAttribute(&enemy, 32, -4, 0);  // no less than nothing
    EXPECT_EQ(enemy.mana, 0);

    SetAttribute(&enemy, 13, -40, 0);  // resistances have no limits
    EXPECT_EQ(enemy.Resistances[3], -40);
    SetAttribute(&enemy, 18, 250, 0);
    EXPECT_EQ(enemy.Resistances[8], 250);
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(AttributesTest, ReadOnlyAndUnknownCodesChangeNothing)
{
    TPlayer& bram = Member();
    const auto before = Snapshot(bram);
    const auto baseBefore = Snapshot(bram.Base);
    for (int32_t code : {7, 0, 19, 34, 44, 100, 101, 102, 103, 104, 105, 106}) {
        SetAttribute(&bram, code, 99, 0);
        SetAttribute(&bram, code, 99, 3);
    }
    EXPECT_EQ(Snapshot(bram), before);
    EXPECT_EQ(Snapshot(bram.Base), baseBefore);
    EXPECT_TRUE(LiveEffects().empty());
    SetAttribute(nullptr, 1, 5, 0);
}

TEST_F(AttributesTest, LastingChangesOfAPlayerGoIntoItsPermanentRecord)
{
    struct Case {
        int32_t code;
        int32_t value;
        std::function<int32_t&(TBaseRecord&)> field;
        int32_t delta;
    };
    const Case cases[] = {
        {1, 16, [](TBaseRecord& b) -> int32_t& { return b.Abilities[0]; }, 2},
        {4, 7, [](TBaseRecord& b) -> int32_t& { return b.Abilities[3]; }, -3},
        {5, 14, [](TBaseRecord& b) -> int32_t& { return b.Abilities[4]; }, 1},
        {10, 5, [](TBaseRecord& b) -> int32_t& { return b.Resistances[0]; }, 5},
        {18, -9, [](TBaseRecord& b) -> int32_t& { return b.Resistances[8]; }, -9},
        {31, 25, [](TBaseRecord& b) -> int32_t& { return b.end_max; }, 5},
        // Maximum mana cannot go below 0: only the 4 that went are recorded.
        {33, -10, [](TBaseRecord& b) -> int32_t& { return b.mana_max; }, -4},
        {41, 6, [](TBaseRecord& b) -> int32_t& { return b.Armor[1]; }, 4},
        {52, -2, [](TBaseRecord& b) -> int32_t& { return b.AttackMod[2]; }, -3},
        {63, 3, [](TBaseRecord& b) -> int32_t& { return b.DamageMod[3]; }, 3},
    };
    for (int32_t duration : {0, -1}) {
        for (const Case& c : cases) {
            TPlayer& bram = Member();
            TBaseRecord expected = bram.Base;
            c.field(expected) += c.delta;
            SetAttribute(&bram, c.code, c.value, duration);
            EXPECT_EQ(Snapshot(bram.Base), Snapshot(expected)) << "code " << c.code << " duration " << duration;
        }
    }
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(AttributesTest, CurrentEnduranceAndManaAreNeverRecordedNorTimed)
{
    TPlayer& bram = Member();
    const auto baseBefore = Snapshot(bram.Base);
    SetAttribute(&bram, 30, 12, 0);
    SetAttribute(&bram, 32, 1, 0);
    EXPECT_EQ(bram.end, 12);
    EXPECT_EQ(bram.mana, 1);
    SetAttribute(&bram, 30, 15, 4);
    SetAttribute(&bram, 32, 3, 4);
    EXPECT_EQ(bram.end, 15);
    EXPECT_EQ(bram.mana, 3);
    EXPECT_EQ(Snapshot(bram.Base), baseBefore);
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(AttributesTest, TimedChangesBecomeAModifierEffectOfTheDeltaActuallyMade)
{
    struct Case {
        int32_t code;
        int32_t value;
        std::function<int32_t&(TEffectMod&)> field;
        int32_t delta;
    };
    const Case cases[] = {
        {1, 16, [](TEffectMod& e) -> int32_t& { return e.Abilities[0]; }, 2},
        {5, 11, [](TEffectMod& e) -> int32_t& { return e.Abilities[4]; }, -2},
        {12, 30, [](TEffectMod& e) -> int32_t& { return e.Resistances[2]; }, 30},
        {31, 26, [](TEffectMod& e) -> int32_t& { return e.end_max; }, 6},
        {33, -10, [](TEffectMod& e) -> int32_t& { return e.mana_max; }, -4},
        {40, 5, [](TEffectMod& e) -> int32_t& { return e.Armor[0]; }, 3},
        {40, -2, [](TEffectMod& e) -> int32_t& { return e.Armor[0]; }, -4},
        {53, 4, [](TEffectMod& e) -> int32_t& { return e.Attack[3]; }, 3},
        {61, -1, [](TEffectMod& e) -> int32_t& { return e.DamageBonus[1]; }, -1},
    };
    for (const Case& c : cases) {
        Process().MainForm->EffectsManager = std::make_unique<TEffectsManager>();
        TPlayer& bram = Member();
        const auto baseBefore = Snapshot(bram.Base);
        SetAttribute(&bram, c.code, c.value, 3);
        EXPECT_EQ(GetAttribute(&bram, c.code), c.value < 0 && c.code == 33 ? 0 : c.value) << "code " << c.code;
        EXPECT_EQ(Snapshot(bram.Base), baseBefore) << "code " << c.code;

        const auto effects = LiveEffects();
        ASSERT_EQ(effects.size(), 1u) << "code " << c.code;
        auto* made = dynamic_cast<TEffectMod*>(effects[0]);
        ASSERT_NE(made, nullptr) << "code " << c.code;
        EXPECT_EQ(made->Kind, ekModifier);
        EXPECT_EQ(made->Target, &bram);
        EXPECT_EQ(made->Remaining, 42) << "code " << c.code;
        TEffectMod expected;
        c.field(expected) = c.delta;
        EXPECT_EQ(made->Abilities, expected.Abilities) << "code " << c.code;
        EXPECT_EQ(made->Resistances, expected.Resistances) << "code " << c.code;
        EXPECT_EQ(made->Armor, expected.Armor) << "code " << c.code;
        EXPECT_EQ(made->Attack, expected.Attack) << "code " << c.code;
        EXPECT_EQ(made->DamageBonus, expected.DamageBonus) << "code " << c.code;
        EXPECT_EQ(made->end_max, expected.end_max) << "code " << c.code;
        EXPECT_EQ(made->mana_max, expected.mana_max) << "code " << c.code;
    }
}

TEST_F(AttributesTest, ValuesAtTheEdgeOfTheRangeAreReached)
{
    struct Case {
        int32_t code;
        int32_t current;
        int32_t value;
    };
    const Case cases[] = {{10, -1, INT32_MAX}, {18, 5, INT32_MIN}, {40, -1, INT32_MAX}, {63, 1, INT32_MIN}};
    for (const Case& c : cases) {
        TEnemy enemy;
        enemy.end = enemy.end_max = 20;
        enemy.Resistances.fill(c.current);
        enemy.Armor.fill(c.current);
        enemy.DamageMod.fill(c.current);
        SetAttribute(&enemy, c.code, c.value, 0);
        EXPECT_EQ(GetAttribute(&enemy, c.code), c.value) << "code " << c.code;
    }
}
