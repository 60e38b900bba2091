#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "rules/Creature.h"
#include "rules/Damage.h"
#include "rules/DamageRules.h"
#include "rules/Effects.h"
#include "support/EngineFixture.h"

namespace {

const char* const TypeNames[DamageTypeCount] = {"physical", "pierce", "blunt", "slash", "fire",
                                                "acid",     "cold",   "electric", "poison"};

DamageRec Immediate(const std::string& text, uint8_t type, int32_t modifier = 0)
{
    DamageRec damage;
    ParseDamageText(text, damage);
    damage.DamageType = type;
    damage.Modifier = modifier;
    damage.Duration = -1;
    damage.Trigger = -1;
    return damage;
}

class DamageRulesTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Process().MainForm->EffectsManager = std::make_unique<TEffectsManager>();
        Goblin.Name = "Goblin";
        Goblin.end_max = 20;
        Goblin.end = 20;
    }

    TEnemy Goblin;
};

} // namespace

// ---- Immediate damage ----------------------------------------------------

TEST_F(DamageRulesTest, FireDiceAgainstHalfFireResistanceDealFour)
{
    Goblin.Resistances[4] = 50;
    const DamageRec fire = Immediate("2d6", 4, 1);
    Process().Random.Force({3, 2});  // rolls of 4 and 3: 7

    EXPECT_EQ(ApplyDamage(&fire, &Goblin, 0), 4);
    EXPECT_EQ(Goblin.end, 16);
    EXPECT_EQ(Screen(), "Goblin took 4 fire damage\n");
    EXPECT_FALSE(Process().Random.HasForced());
}

TEST_F(DamageRulesTest, EachTypeIsCutByItsOwnResistanceAndNamedButPhysicalIsNeither)
{
    const char* const words[DamageTypeCount] = {"",      " piercing", " blunt", " slashing", " fire",
                                                " acid", " cold",     " lightning", " poison"};
    for (uint8_t type = 0; type < DamageTypeCount; ++type) {
        TEnemy target;
        target.Name = "Rat";
        target.end_max = target.end = 50;
        // Every other resistance is high, so reading the wrong one shows.
        target.Resistances.fill(90);
        target.Resistances[type] = 25;
        const DamageRec damage = Immediate("8", type);
        const size_t before = MainForm().RichEdit1.WrittenCount();

        const int32_t expected = type == 0 ? 8 : 6;  // 8 * 75 / 100
        EXPECT_EQ(ApplyDamage(&damage, &target, 0), expected) << TypeNames[type];
        EXPECT_EQ(target.end, 50 - expected) << TypeNames[type];
        EXPECT_EQ(MainForm().RichEdit1.WrittenText(before),
                  "Rat took " + std::to_string(expected) + words[type] + " damage\n")
            << TypeNames[type];
    }
}

TEST_F(DamageRulesTest, ModifierAndExtraComeBeforeResistanceWhichTruncatesTowardZero)
{
    struct Case {
        const char* roll;
        int32_t modifier;
        int32_t extra;
        int32_t resistance;
        int32_t shown;
        int32_t taken;
    };
    const Case cases[] = {
        {"7", 0, 0, 50, 3, 3},      // 3.5
        {"5", 1, 2, 50, 4, 4},      // (5 + 1 + 2) / 2
        {"7", 0, 0, -50, 10, 10},   // weakness: 10.5
        {"8", 0, 0, 100, 0, 0},
        {"8", 0, 0, 150, -4, 0},    // negative: nothing taken, nothing healed
        {"8", 0, 0, 300, -16, 0},
        {"1", -4, 0, 50, -1, 0},    // -1.5 toward zero
        {"3", 0, -10, 0, -7, 0},
        {"3", 0, -3, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Goblin.end = 20;
        Goblin.Resistances[4] = c.resistance;
        const DamageRec fire = Immediate(c.roll, 4, c.modifier);
        const size_t before = MainForm().RichEdit1.WrittenCount();

        EXPECT_EQ(ApplyDamage(&fire, &Goblin, c.extra), c.taken) << c.roll << " res " << c.resistance;
        EXPECT_EQ(Goblin.end, 20 - c.taken) << c.roll << " res " << c.resistance;
        EXPECT_EQ(MainForm().RichEdit1.WrittenText(before),
                  "Goblin took " + std::to_string(c.shown) + " fire damage\n");
    }
}

TEST_F(DamageRulesTest, EveryFormRollsItsOwnWay)
{
    struct Case {
        const char* text;
        int32_t modifier;
        std::vector<int> forced;
        int32_t expected;
    };
    const Case cases[] = {
        {"3d4", 0, {3, 3, 3}, 12},
        {"3d4", 2, {0, 1, 2}, 8},
        {"2d", 3, {}, 3},       // no faces: only the modifier
        {"0d6", 2, {}, 2},
        {"3-8", 0, {0}, 3},
        {"3-8", 0, {5}, 8},
        {"3-8", 1, {2}, 6},
        {"5", 0, {}, 5},
        {"1|5|9", 0, {0}, 1},
        {"1|5|9", 0, {1}, 5},
        {"1|5|9", 0, {2}, 9},
    };
    for (const Case& c : cases) {
        TEnemy target;
        target.end_max = target.end = 100;
        target.Resistances.fill(50);  // physical is never reduced
        const DamageRec damage = Immediate(c.text, 0, c.modifier);
        Process().Random.Force(c.forced);
        EXPECT_EQ(ApplyDamage(&damage, &target, 0), c.expected) << c.text;
        EXPECT_EQ(target.end, 100 - c.expected) << c.text;
        EXPECT_FALSE(Process().Random.HasForced()) << c.text;
    }
}

TEST_F(DamageRulesTest, UnknownFormDealsAndPrintsNothing)
{
    DamageRec damage = Immediate("5", 0, 3);
    damage.Form = 3;
    EXPECT_EQ(ApplyDamage(&damage, &Goblin, 4), 0);
    EXPECT_EQ(Goblin.end, 20);
    EXPECT_EQ(Screen(), "");
}

TEST_F(DamageRulesTest, DurationZeroDoesNothingAtAll)
{
    for (int32_t trigger : {-1, 0, 1}) {
        DamageRec damage = Immediate("2d6", 4, 1);
        damage.Duration = 0;
        damage.Trigger = trigger;
        Process().Random.Force({3, 2});
        EXPECT_EQ(ApplyDamage(&damage, &Goblin, 2), 0);
        EXPECT_EQ(Goblin.end, 20);
        EXPECT_EQ(Screen(), "");
        EXPECT_TRUE(LiveEffects().empty());
        Process().Random.Seed(1);  // drop whatever was not used
    }
}

TEST_F(DamageRulesTest, NoTargetOrNoRecordDealsNothing)
{
    const DamageRec damage = Immediate("5", 0);
    EXPECT_EQ(ApplyDamage(&damage, nullptr, 0), 0);
    EXPECT_EQ(ApplyDamage(nullptr, &Goblin, 0), 0);
    EXPECT_EQ(Goblin.end, 20);
    EXPECT_EQ(Screen(), "");
}

TEST_F(DamageRulesTest, ClosedSessionHurtsWithoutPrinting)
{
    GameClient().SessionClosed = true;
    const DamageRec damage = Immediate("6", 3);
    EXPECT_EQ(ApplyDamage(&damage, &Goblin, 0), 6);
    EXPECT_EQ(Goblin.end, 14);
    EXPECT_EQ(Screen(), "");
}

TEST_F(DamageRulesTest, DamagePastEnduranceLeavesZeroAndReportsTheWholeAmount)
{
    Goblin.end = 5;
    const DamageRec damage = Immediate("12", 0);
    EXPECT_EQ(ApplyDamage(&damage, &Goblin, 0), 12);
    EXPECT_EQ(Goblin.end, 0);
    EXPECT_EQ(Screen(), "Goblin took 12 damage\n");
}

// ---- Damage over time ------------------------------------------------------

TEST_F(DamageRulesTest, DamageOverTimeBecomesAnEffectAndDealsNothingNow)
{
    struct Case {
        int32_t duration;
        int32_t trigger;
        int32_t remaining;
        int32_t period;
    };
    const Case cases[] = {{3, 1, 42, 2}, {2, 3, 28, 6}, {1, 1, 14, 2}};
    for (const Case& c : cases) {
        Process().MainForm->EffectsManager = std::make_unique<TEffectsManager>();

        DamageRec fire = Immediate("2d6", 4, 1);
        fire.Id = 77;
        fire.Duration = c.duration;
        fire.Trigger = c.trigger;
        EXPECT_EQ(ApplyDamage(&fire, &Goblin, 5), 0);
        EXPECT_EQ(Goblin.end, 20);
        EXPECT_EQ(Screen(), "");

        const auto effects = LiveEffects();
        ASSERT_EQ(effects.size(), 1u);
        const auto* effect = dynamic_cast<const TEffectDamage*>(effects[0]);
        ASSERT_NE(effect, nullptr);
        EXPECT_EQ(effect->Kind, ekDamage);
        EXPECT_EQ(effect->Target, &Goblin);
        EXPECT_EQ(effect->Remaining, c.remaining);
        EXPECT_EQ(effect->Period, c.period);
        // Each hit is an immediate copy of the record; the extra stays behind.
        EXPECT_EQ(effect->Damage.Form, dfDice);
        EXPECT_EQ(effect->Damage.DiceCount, 2);
        EXPECT_EQ(effect->Damage.DieSize, 6);
        EXPECT_EQ(effect->Damage.Modifier, 1);
        EXPECT_EQ(effect->Damage.DamageType, 4);
        EXPECT_EQ(effect->Damage.Duration, -1);
        EXPECT_EQ(effect->Damage.Trigger, -1);
    }
}

TEST_F(DamageRulesTest, DamageOverTimeCarriesTheListOfAmounts)
{
    DamageRec poison = Immediate("1|5|9", 8);
    poison.Duration = 2;
    poison.Trigger = 1;
    EXPECT_EQ(ApplyDamage(&poison, &Goblin, 0), 0);
    const auto effects = LiveEffects();
    ASSERT_EQ(effects.size(), 1u);
    const auto& image = dynamic_cast<const TEffectDamage&>(*effects[0]).Damage;
    EXPECT_EQ(image.Form, dfList);
    EXPECT_EQ(image.Values, (std::vector<int32_t>{1, 5, 9}));
    EXPECT_EQ(image.DamageType, 8);
}

TEST_F(DamageRulesTest, DamageOverTimeFirstHitsOnItsFirstTick)
{
    DamageRec fire = Immediate("2d6", 4, 1);
    fire.Duration = 3;
    fire.Trigger = 1;
    ApplyDamage(&fire, &Goblin, 0);
    const auto effects = LiveEffects();
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0]->Counter, effects[0]->Period);
    EXPECT_EQ(effects[0]->Counter, 2);
}

TEST_F(DamageRulesTest, DurationWithoutTriggerHurtsAtOnce)
{
    for (const auto& [duration, trigger] : {std::pair{3, 0}, std::pair{3, -1}, std::pair{-1, 2}}) {
        Goblin.end = 20;
        DamageRec damage = Immediate("4", 0);
        damage.Duration = duration;
        damage.Trigger = trigger;
        EXPECT_EQ(ApplyDamage(&damage, &Goblin, 0), 4) << duration << "/" << trigger;
        EXPECT_EQ(Goblin.end, 16);
        EXPECT_TRUE(LiveEffects().empty());
    }
}

// ---- Damage given as text ------------------------------------------------

TEST_F(DamageRulesTest, DamageByTextBuildsTheRecordFromItsArguments)
{
    Goblin.Resistances[4] = 50;
    Process().Random.Force({3, 2});
    DamageByText(&Goblin, 1, "2d6", -1, -1, 5);  // dtype 5 is fire
    EXPECT_EQ(Goblin.end, 16);
    EXPECT_EQ(Screen(), "Goblin took 4 fire damage\n");

    DamageByText(&Goblin, 0, "3-3", 1, 3, 9);
    const auto effects = LiveEffects();
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0]->Remaining, 42);
    EXPECT_EQ(effects[0]->Period, 2);
    EXPECT_EQ(dynamic_cast<const TEffectDamage&>(*effects[0]).Damage.DamageType, 8);
    EXPECT_EQ(Goblin.end, 16);
}

TEST_F(DamageRulesTest, DamageByTextMapsStoredTypeIdsAndKeepsPierceForOthers)
{
    struct Case {
        int32_t dtype;
        const char* word;
    };
    const Case cases[] = {{1, ""}, {2, " piercing"}, {4, " slashing"}, {8, " lightning"},
                          {9, " poison"}, {0, " piercing"}, {10, " piercing"}, {-3, " piercing"}};
    for (const Case& c : cases) {
        const size_t before = MainForm().RichEdit1.WrittenCount();
        DamageByText(&Goblin, 0, "2", -1, -1, c.dtype);
        EXPECT_EQ(MainForm().RichEdit1.WrittenText(before), std::string("Goblin took 2") + c.word + " damage\n")
            << "dtype " << c.dtype;
    }
}

TEST_F(DamageRulesTest, DamageByTextLeavesTheDeadAlone)
{
    Goblin.States.set(StateDead);
    Goblin.end = 10;
    DamageByText(&Goblin, 5, "2d6", -1, -1, 1);
    DamageByText(&Goblin, 5, "2d6", 1, 3, 5);
    EXPECT_EQ(Goblin.end, 10);
    EXPECT_EQ(Screen(), "");
    EXPECT_TRUE(LiveEffects().empty());
    DamageByText(nullptr, 5, "2d6", -1, -1, 1);
    EXPECT_EQ(Screen(), "");
}

// ---- Modifiers of special uses and spells -------------------------------

namespace {

std::unique_ptr<TSpecialItem> Special(int32_t duration)
{
    auto special = std::make_unique<TSpecialItem>();
    special->duration = duration;
    return special;
}

} // namespace

TEST_F(DamageRulesTest, PermanentModifiersGoThroughStatRulesAndAddBonusesDirectly)
{
    Goblin.Abilities = {14, 29, 0, 0, 0};
    Goblin.end = 10;
    Goblin.mana_max = 8;
    Goblin.mana = 4;
    Goblin.Resistances[4] = 10;
    auto special = Special(-1);
    special->Abilities = {1, 1, 0, 0, 0};  // Strength to 15, Dexterity to 30
    special->end_max = 20;
    special->end = 5;
    special->mana_max = 8;
    special->mana = 2;
    special->Resistances[4] = 15;
    special->Armor = {2, 0, 0, 0};
    special->Attack = {3, 0, 0, 0};
    special->DamageBonus = {0, 0, 0, 4};

    ApplyModifiers(special.get(), &Goblin);

    EXPECT_EQ(Goblin.Abilities, (std::array<int32_t, 5>{15, 30, 0, 0, 0}));
    EXPECT_EQ(Goblin.AttackMod, (std::array<int32_t, 4>{1 + 3, 1, 0, 0}));
    EXPECT_EQ(Goblin.Armor, (std::array<int32_t, 4>{1 + 2, 1, 0, 0}));
    EXPECT_EQ(Goblin.DamageMod, (std::array<int32_t, 4>{0, 0, 0, 4}));
    EXPECT_EQ(Goblin.end_max, 40);
    EXPECT_EQ(Goblin.end, 25);  // half of 40, then 5 more
    EXPECT_EQ(Goblin.mana_max, 16);
    EXPECT_EQ(Goblin.mana, 10);
    EXPECT_EQ(Goblin.Resistances[4], 25);
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(DamageRulesTest, TimedModifiersChangeCurrentValuesBeforeTheMaximum)
{
    // Permanent: the maximum first (keeping the share), then the current value.
    // Timed: the current value first (cut by the old maximum), then the maximum.
    struct Case {
        int32_t duration;
        int32_t end;
    };
    for (const Case c : {Case{-1, 30}, Case{2, 40}}) {
        TEnemy target;
        target.end_max = 20;
        target.end = 10;
        auto special = Special(c.duration);
        special->end_max = 20;
        special->end = 10;
        ApplyModifiers(special.get(), &target);
        EXPECT_EQ(target.end_max, 40) << "duration " << c.duration;
        EXPECT_EQ(target.end, c.end) << "duration " << c.duration;
    }
}

TEST_F(DamageRulesTest, TimedModifiersRecordTheChangesActuallyMade)
{
    Goblin.end = 10;
    Goblin.mana_max = 5;
    Goblin.mana = 2;
    Goblin.Abilities = {14, 0, 0, 0, 0};
    auto special = Special(2);
    special->Abilities = {3, 0, 0, 0, 0};
    special->mana_max = -50;  // only 5 can go
    special->end_max = 10;
    special->mana = 3;
    special->end = -4;
    special->Resistances[6] = -30;
    special->Armor = {1, 2, 3, 4};
    special->Attack = {5, 6, 7, 8};
    special->DamageBonus = {-1, -2, -3, -4};

    ApplyModifiers(special.get(), &Goblin);

    EXPECT_EQ(Goblin.end, 9);  // 6 of 20, then 30 * 0.3
    EXPECT_EQ(Goblin.end_max, 30);
    EXPECT_EQ(Goblin.mana, 0);
    EXPECT_EQ(Goblin.mana_max, 0);
    EXPECT_EQ(Goblin.Abilities[0], 17);
    EXPECT_EQ(Goblin.AttackMod, (std::array<int32_t, 4>{1 + 5, 6, 7, 8}));

    const auto effects = LiveEffects();
    ASSERT_EQ(effects.size(), 1u);
    const auto* made = dynamic_cast<const TEffectMod*>(effects[0]);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Kind, ekModifier);
    EXPECT_EQ(made->Target, &Goblin);
    EXPECT_EQ(made->Remaining, 28);
    EXPECT_EQ(made->Abilities, (std::array<int32_t, 5>{3, 0, 0, 0, 0}));
    EXPECT_EQ(made->mana_max, -5);
    EXPECT_EQ(made->end_max, 10);
    std::array<int32_t, DamageTypeCount> resistances{};
    resistances[6] = -30;
    EXPECT_EQ(made->Resistances, resistances);
    EXPECT_EQ(made->Armor, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(made->Attack, (std::array<int32_t, 4>{5, 6, 7, 8}));
    EXPECT_EQ(made->DamageBonus, (std::array<int32_t, 4>{-1, -2, -3, -4}));
}

TEST_F(DamageRulesTest, TimedModifiersThatLeaveNoEnduranceKeepNoEffect)
{
    Goblin.end = 5;
    auto special = Special(3);
    special->end = -10;
    special->Abilities = {2, 0, 0, 0, 0};
    ApplyModifiers(special.get(), &Goblin);
    EXPECT_EQ(Goblin.end, 0);
    EXPECT_EQ(Goblin.Abilities[0], 2);
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(DamageRulesTest, ModifiersOfDurationZeroChangeNothing)
{
    auto special = Special(0);
    special->Abilities = {5, 5, 5, 5, 5};
    special->end_max = 10;
    special->end = -10;
    special->Armor = {1, 1, 1, 1};
    ApplyModifiers(special.get(), &Goblin);
    EXPECT_EQ(Goblin.Abilities, (std::array<int32_t, 5>{}));
    EXPECT_EQ(Goblin.end_max, 20);
    EXPECT_EQ(Goblin.end, 20);
    EXPECT_EQ(Goblin.Armor, (std::array<int32_t, 4>{}));
    EXPECT_TRUE(LiveEffects().empty());
    ApplyModifiers(special.get(), nullptr);
    ApplyModifiers(nullptr, &Goblin);
}

namespace {

class DamageRulesMemberTest : public DamageRulesTest {
protected:
    TPlayer& Member()
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = "Aria";
        player->Id = 4;
        player->end_max = 20;
        player->end = 20;
        player->mana_max = 4;
        player->mana = 4;
        player->Abilities = {14, 10, 10, 10, 10};
        player->Base.end_max = 20;
        player->Base.mana_max = 4;
        player->Base.Abilities = {14, 10, 10, 10, 10};
        player->Base.Resistances[6] = 1;
        player->Base.Armor = {1, 1, 1, 1};
        Process().MainForm->Party[0] = std::move(player);
        return *Process().MainForm->Party[0];
    }

    // A spell whose limits bite: only 4 of the mana can go.
    static std::unique_ptr<TSpecialItem> Blessing(int32_t duration)
    {
        auto special = Special(duration);
        special->end_max = 6;
        special->mana_max = -10;
        special->Abilities = {2, 0, 0, 0, 0};
        special->Resistances[6] = 5;
        special->Armor = {0, 0, 1, 0};
        special->Attack = {0, 0, 0, 2};
        special->DamageBonus = {0, 3, 0, 0};
        special->mana = 3;
        special->end = -1;
        return special;
    }
};

} // namespace

TEST_F(DamageRulesMemberTest, PermanentModifiersOnAMemberGoIntoItsPermanentRecord)
{
    TPlayer& aria = Member();
    ApplyModifiers(Blessing(-1).get(), &aria);

    const TBaseRecord& base = aria.Base;
    EXPECT_EQ(base.end_max, 26);
    EXPECT_EQ(base.mana_max, 0);
    EXPECT_EQ(base.Abilities, (std::array<int32_t, 5>{16, 10, 10, 10, 10}));
    EXPECT_EQ(base.Resistances[6], 6);
    EXPECT_EQ(base.Armor, (std::array<int32_t, 4>{1, 1, 2, 1}));
    // Strength passing 15 steps the live melee bonus, not the recorded one.
    EXPECT_EQ(aria.AttackMod[0], 1);
    EXPECT_EQ(base.AttackMod, (std::array<int32_t, 4>{0, 0, 0, 2}));
    EXPECT_EQ(base.DamageMod, (std::array<int32_t, 4>{0, 3, 0, 0}));
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(DamageRulesMemberTest, TimedOrOutsideThePartyTheRecordStaysAsItWas)
{
    TPlayer& aria = Member();
    const TBaseRecord before = aria.Base;
    ApplyModifiers(Blessing(2).get(), &aria);
    EXPECT_EQ(aria.Abilities[0], 16);
    EXPECT_EQ(aria.Base.end_max, before.end_max);
    EXPECT_EQ(aria.Base.mana_max, before.mana_max);
    EXPECT_EQ(aria.Base.Abilities, before.Abilities);
    EXPECT_EQ(aria.Base.Armor, before.Armor);
    EXPECT_EQ(aria.Base.AttackMod, before.AttackMod);
    EXPECT_EQ(LiveEffects().size(), 1u);

    TPlayer stranger;
    stranger.end_max = stranger.end = 20;
    stranger.Base.end_max = 20;
    ApplyModifiers(Blessing(-1).get(), &stranger);
    EXPECT_EQ(stranger.end_max, 26);
    EXPECT_EQ(stranger.Base.end_max, 20);
    EXPECT_EQ(stranger.Base.Abilities, (std::array<int32_t, 5>{}));
    EXPECT_EQ(stranger.Base.DamageMod, (std::array<int32_t, 4>{}));
}
