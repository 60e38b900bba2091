#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Effects.h"
#include "rules/SkillChange.h"
#include "rules/SkillUse.h"
#include "rules/Skills.h"
#include "support/SessionFixture.h"

namespace {

using TChanges = std::map<std::string, int32_t>;

// The fields skills change, by their modifier names.
const char* const Watched[] = {"ab_mind",     "ab_const",    "armor_melee", "armor_missile", "armor_wiz",
                               "armor_priest", "atk_melee",  "atk_missile", "dmg_melee",     "dmg_missile",
                               "res_pierce",  "res_blunt",   "res_slash",   "res_poison",    "end_max"};

TChanges Fields(const TCreature& creature)
{
    TModifiers shape;
    shape.Abilities = creature.Abilities;
    shape.Armor = creature.Armor;
    shape.Attack = creature.AttackMod;
    shape.DamageBonus = creature.DamageMod;
    shape.Resistances = creature.Resistances;
    shape.end_max = creature.end_max;
    TChanges fields;
    for (const char* name : Watched)
        fields[name] = *shape.FieldByName(name);
    return fields;
}

// What changed since the snapshot, without the fields that stayed.
TChanges ChangedSince(const TChanges& before, const TCreature& creature)
{
    TChanges changed;
    for (const auto& [name, value] : Fields(creature))
        if (value != before.at(name))
            changed[name] = value - before.at(name);
    return changed;
}

class SkillsTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure("insert into general (name, value) values ('EncScr', '0');");
        Here.Id = 1003;
        Here.Creatures.clear();
        Here.Items.clear();
        Form().LocationManager = std::make_unique<TLocationManager>();
        Form().EffectsManager = std::make_unique<TEffectsManager>();
        Hero = &AddMember(1, "Aldric");
        Rat = &AddRat();
    }

    TPlayer& AddMember(int slot, const std::string& name)
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = name;
        player->Id = 50000 + slot;
        player->end_max = player->end = 30;
        player->mana_max = player->mana = 20;
        player->Abilities = {10, 10, 10, 10, 10};
        player->next_level = 1250;
        GameClient().AddPartyMember(player, slot);
        return *Form().Member(slot);
    }

    TEnemy& AddRat()
    {
        auto rat = std::make_unique<TEnemy>();
        rat->Name = "Cellar Rat";
        rat->Id = 30001;
        rat->end_max = rat->end = 20;
        rat->Abilities = {14, 14, 14, 14, 14};
        rat->AttackMod[acMelee] = -100;  // it always misses
        TEnemy& added = *rat;
        Here.AddCreature(std::move(rat));
        return added;
    }

    // The hero's only skill.
    void Learn(const std::string& skill, int32_t value, const std::string& script = "")
    {
        Hero->Skills = {SkillEntry{skill, value, script}};
    }

    // The Use Skill button, the hero's skill picked, then the given lines.
    void UseSkillButton(const std::string& lines = "")
    {
        Queue("choose 2" + (lines.empty() ? "" : "\n" + lines));
        Mark = Screen().size();
        EXPECT_TRUE(Form().Click("BtnUseSkill"));
    }

    TCombatSession& StartFight(bool turnBased)
    {
        Form().TurnBasedCombat = turnBased;
        Form().CombatSession = TCombatSession::Create(turnBased);
        Form().CombatSession->Start();
        return *Form().CombatSession;
    }

    // The next draws, and none left over from an earlier case.
    void Roll(const std::vector<int>& values)
    {
        Process().Random.Seed(1);
        Process().Random.Force(values);
    }
    // Fails when a queued line was not taken, such as the answer to a box that
    // never came.
    void TakeRemainingLines() { TestHost.RunMainLoop([] { return false; }); }
    bool RatAlive() const
    {
        return std::any_of(Here.Creatures.begin(), Here.Creatures.end(),
                           [](const auto& creature) { return creature && creature->Id == 30001 && creature->end > 0; });
    }
    // What the last use wrote.
    std::string Said() { return Screen().substr(std::min(Mark, Screen().size())); }
    bool Said(const std::string& text) { return Said().find(text) != std::string::npos; }

    TPlayer* Hero = nullptr;
    TEnemy* Rat = nullptr;
    size_t Mark = 0;
};

// Choices of a target: 2 the rat, 3 the hero.
const char* const PickRat = "choose 2";
const char* const PickHero = "choose 3";

} // namespace

TEST_F(SkillsTest, BandsAndChancesFollowTheSkillLevel)
{
    struct Case {
        int32_t value, band4, band6, band8, chance;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0},   {3, 0, 0, 0, 0},   {4, 1, 0, 0, 20},  {5, 1, 0, 0, 20},  {6, 1, 1, 0, 20},
        {7, 1, 1, 0, 20},  {8, 2, 1, 1, 30},  {11, 2, 1, 1, 30}, {12, 3, 2, 1, 40}, {15, 3, 2, 1, 40},
        {16, 4, 2, 2, 50}, {17, 4, 2, 2, 50}, {18, 4, 3, 2, 50}, {20, 5, 3, 2, 60}, {23, 5, 3, 2, 60},
        {24, 6, 4, 3, 70},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Band4(c.value), c.band4) << c.value;
        EXPECT_EQ(Band6(c.value), c.band6) << c.value;
        EXPECT_EQ(Band8(c.value), c.band8) << c.value;
        EXPECT_EQ(SkillChance(c.value), c.chance) << c.value;
    }
}

TEST_F(SkillsTest, TimedSkillsChangeForTheirRoundsAndRestoreExactly)
{
    struct Case {
        const char* skill;
        int32_t value;
        // The target pick, if the skill asks for one.
        const char* pick;
        bool onRat;
        std::vector<int> rolls;
        TChanges changes;
        int32_t ticks;
        const char* line;
    };
    const Case cases[] = {
        {"Stone Form", 13, "", false, {}, {{"armor_melee", 2}, {"armor_missile", 2}, {"atk_melee", -2}, {"atk_missile", -2}},
         70, ""},
        {"Stone Form", 5, "", false, {}, {}, 0, ""},
        {"Sacred Shield", 24, "", false, {}, {{"armor_melee", 4}, {"armor_missile", 4}}, 42, ""},
        {"Battle Fury", 16, "", false, {}, {{"dmg_melee", 4}, {"atk_melee", 2}, {"armor_melee", -2}}, 42, ""},
        {"Cause Pain", 18, PickRat, true, {}, {{"atk_melee", -3}, {"atk_missile", -3}}, 42, "Cellar Rat writhes in pain"},
        {"Cause Pain", 5, PickRat, true, {}, {}, 0, ""},
        {"Heroic Psalm", 12, PickHero, false, {}, {{"dmg_melee", 2}, {"dmg_missile", 2}}, 56, ""},
        // The rat's Mind Power falls from 14 to 12, crossing no threshold.
        {"Mind Blast", 9, PickRat, true, {}, {{"ab_mind", -2}}, 42, ""},
        // Constitution 10 to 16 or 4: its endurance follows.
        {"Iron Body", 8, "", false, {21}, {{"ab_const", 6}, {"end_max", 9}}, 42, "Aldric constitution increased by 6"},
        {"Iron Body", 8, "", false, {20}, {{"ab_const", -6}, {"end_max", -9}}, 42, "Aldric constitution reduced by 6"},
    };
    // Each case's effect has run out before the next begins.
    for (const Case& c : cases) {
        const std::string label = std::string(c.skill) + " " + std::to_string(c.value);
        Learn(c.skill, c.value);
        const TCreature& target = c.onRat ? static_cast<const TCreature&>(*Rat) : *Hero;
        const TChanges before = Fields(target);
        Roll(c.rolls);
        UseSkillButton(c.pick);
        EXPECT_EQ(ChangedSince(before, target), c.changes) << label;
        if (*c.line) {
            EXPECT_TRUE(Said(c.line)) << label << ": " << Said();
        }
        if (c.changes.empty()) {
            EXPECT_TRUE(LiveEffects().empty()) << label;
            continue;
        }
        Form().EffectsManager->Tick(nullptr, c.ticks - 1);
        EXPECT_EQ(ChangedSince(before, target), c.changes) << label;
        Form().EffectsManager->Tick(nullptr, 1);
        EXPECT_EQ(ChangedSince(before, target), TChanges{}) << label;
    }
}

TEST_F(SkillsTest, HerbalismBrewsTheHealingPotionOnlyWhenTheRollAllows)
{
    struct Case {
        int32_t value;
        int roll;
        int64_t potion;
    };
    for (const Case c : {Case{2, 0, 100}, Case{2, 1, 101}, Case{4, 20, 100}, Case{4, 21, 101}, Case{12, 50, 100},
                         Case{24, 80, 100}, Case{24, 81, 101}}) {
        Hero->Backpack[0].reset();
        Learn("Herbalism", c.value);
        Roll({c.roll});
        UseSkillButton();
        ASSERT_NE(Hero->Backpack[0], nullptr) << c.value << " " << c.roll;
        EXPECT_EQ(Hero->Backpack[0]->Id, c.potion) << c.value << " " << c.roll;
        EXPECT_EQ(Hero->Backpack[0]->Name, "Healing Potion");
        EXPECT_TRUE(Said("Healing Potion created"));
    }
    // With the backpack full the brew goes to the ground.
    for (auto& slot : Hero->Backpack)
        slot = std::make_unique<TItem>();
    Roll({0});
    UseSkillButton();
    EXPECT_TRUE(Said("Backpack is full. Healing Potion dropped."));
    ASSERT_EQ(std::count_if(Here.Items.begin(), Here.Items.end(), [](const auto& item) { return item != nullptr; }),
              1);
    EXPECT_EQ(Here.Items[0]->Id, 100);
}

TEST_F(SkillsTest, ChanceSkillsSucceedUpToTheirChanceAndPayTheirMana)
{
    struct Case {
        const char* skill;
        int32_t value;
        std::vector<int> rolls;
        const char* pick;
        const char* line;
        int32_t manaLeft;
        int32_t heroEnd;
    };
    const Case cases[] = {
        {"First Aid", 8, {30}, PickHero, "Aldric received first aid", 20, 29},
        {"First Aid", 8, {31}, PickHero, "Aldric could not receive first aid", 20, 20},
        {"First Aid", 2, {0}, PickHero, "Aldric received first aid", 20, 29},
        {"Neutralize Poison", 4, {25}, PickRat, "Cellar Rat cured of poisoning", 10, 20},
        {"Neutralize Poison", 4, {26}, PickRat, "Cellar Rat could not be cured of poisoning", 10, 20},
        {"Neutralize Poison", 3, {0}, PickRat, "Cellar Rat could not be cured of poisoning", 10, 20},
        {"Alchemy", 24, {70, 1}, "", "Burning Oil created.", 10, 20},
        {"Alchemy", 24, {71}, "", "Alchemy failed", 10, 20},
        {"Alchemy", 3, {0}, "", "Alchemy failed", 10, 20},
        {"Negative Energy Projection", 6, {30}, "", "Aldric affected by negative energy.", 20, 20},
    };
    // First aid is given in fights only.
    StartFight(false);
    for (const Case& c : cases) {
        const std::string label = std::string(c.skill) + " " + std::to_string(c.value);
        Learn(c.skill, c.value);
        Hero->end = 20;
        Hero->mana = 20;
        Roll(c.rolls);
        UseSkillButton(c.pick);
        EXPECT_TRUE(Said(c.line)) << label << ": " << Said();
        EXPECT_EQ(Hero->mana, c.manaLeft) << label;
        EXPECT_EQ(Hero->end, c.heroEnd) << label;
    }
}

TEST_F(SkillsTest, NeutralizePoisonEndsThePoisonAndAlchemyMakesGold)
{
    Learn("Neutralize Poison", 24);
    DamageRec poison;
    poison.DiceCount = 1;
    poison.DieSize = 6;
    poison.DamageType = dtPoison;
    poison.Duration = 3;
    poison.Trigger = 7;
    ApplyDamage(&poison, Hero, 0);
    ASSERT_TRUE(Form().EffectsManager->HasDamageEffect(Hero->Id));
    Roll({0});
    UseSkillButton(PickHero);
    EXPECT_FALSE(Form().EffectsManager->HasDamageEffect(Hero->Id));
    Form().EffectsManager->Tick(nullptr, 1);
    EXPECT_EQ(Hero->end, 30);

    Learn("Alchemy", 4);
    // Success, gold rather than oil, and 4d6 of 1, 2, 3 and 4.
    Roll({0, 0, 0, 1, 2, 3});
    UseSkillButton();
    EXPECT_TRUE(Said("Gold created."));
    EXPECT_EQ(GameClient().PartyGold, 10);
    EXPECT_EQ(Form().Control("Gold1").Caption, "10");
}

TEST_F(SkillsTest, ManaSkillsAreRefusedWithoutTenPointsOfMana)
{
    for (const char* skill : {"Neutralize Poison", "Alchemy"}) {
        Learn(skill, 24);
        Hero->mana = 9;
        Queue(std::string("choose 2\nexpect-box ") + (std::string(skill) == "Alchemy" ? "Alchemy" : "Neutralize poison") +
              " requires 10 points of mana\nanswer ok");
        EXPECT_TRUE(Form().Click("BtnUseSkill"));
        EXPECT_EQ(Hero->mana, 9) << skill;
        EXPECT_NO_THROW(TakeRemainingLines()) << skill;
    }
}

TEST_F(SkillsTest, APassiveSkillFromTheButtonDoesNothing)
{
    Hero->Skills = {SkillEntry{"Accuracy", 24, ""}, SkillEntry{"", 0, ""}, SkillEntry{"Perception", 12, ""}};
    TCombatSession& fight = StartFight(true);
    fight.NextTurn();
    ASSERT_TRUE(Form().Control("RadioButton1").Enabled);
    const TChanges before = Fields(*Hero);
    const std::string screen = Screen();
    Queue("expect-control LblChoice1 caption 1. Cancel\n"
          "expect-control LblChoice2 caption 2. Accuracy\n"
          "expect-control LblChoice3 caption 3. Perception\n"
          "choose 2");
    EXPECT_TRUE(Form().Click("BtnUseSkill"));
    EXPECT_EQ(ChangedSince(before, *Hero), TChanges{});
    EXPECT_EQ(Screen(), screen);
    EXPECT_TRUE(LiveEffects().empty());
    // The member's turn goes on.
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
    EXPECT_EQ(fight.TurnIndex, 1u);
}

TEST_F(SkillsTest, ASkillAtZeroHasNothingToDrawFromAndFails)
{
    struct Case {
        const char* skill;
        int32_t value;
        std::vector<int> rolls;
        const char* line;
        bool ratAlive;
        bool weaponLeft;
        int32_t heroEnd;
        int32_t heroMana;
        bool rollsLeft;
    };
    const Case cases[] = {
        {"Destroy Weapon", 0, {0}, "Aldric could not destroy weapon", true, true, 30, 20, true},
        {"Destroy Weapon", 1, {0}, "Weapon carrier by Cellar Rat destroyed", true, false, 30, 20, false},
        // Half the maximum mana is paid; failing costs the user 2d6: 3 + 4.
        {"Obliteration", 0, {2, 3}, "Obliteration failed.", true, true, 23, 10, false},
        {"Obliteration", 1, {0}, "Cellar Rat was obliterated.", false, true, 30, 10, false},
    };
    StartFight(false);
    for (const Case& c : cases) {
        const std::string label = std::string(c.skill) + " " + std::to_string(c.value);
        Learn(c.skill, c.value);
        Hero->end = 30;
        Hero->mana = 20;
        Rat->BodySlots[bsRHand] = std::make_unique<TWeapon>();
        Roll(c.rolls);
        UseSkillButton(PickRat);
        EXPECT_TRUE(Said(c.line)) << label << ": " << Said();
        EXPECT_EQ(RatAlive(), c.ratAlive) << label;
        if (c.ratAlive) {
            EXPECT_EQ(Rat->BodySlots[bsRHand] != nullptr, c.weaponLeft) << label;
        }
        EXPECT_EQ(Hero->end, c.heroEnd) << label;
        EXPECT_EQ(Hero->mana, c.heroMana) << label;
        EXPECT_EQ(Process().Random.HasForced(), c.rollsLeft) << label;
    }
}

TEST_F(SkillsTest, ObliterationNeedsHalfTheMaximumMana)
{
    Learn("Obliteration", 24);
    Hero->mana_max = 21;
    Hero->mana = 9;  // round(10.5) is 10
    Queue("choose 2\nchoose 2\nexpect-box Obliteration requires mana equal to the 50% of your maximum mana\n"
          "answer ok");
    EXPECT_TRUE(Form().Click("BtnUseSkill"));
    EXPECT_EQ(Hero->mana, 9);
    EXPECT_EQ(Rat->end, 20);
}

TEST_F(SkillsTest, KnifeThrowingOncePerFightAndEndsTheTurn)
{
    Learn("Knife Throwing", 8);
    UseSkillButton();
    EXPECT_TRUE(Said("In combat only."));

    TCombatSession& fight = StartFight(true);
    fight.NextTurn();
    ASSERT_TRUE(Form().Control("RadioButton1").Enabled);
    Roll({3});
    UseSkillButton(PickRat);
    EXPECT_TRUE(Said("Cellar Rat took 4 piercing damage")) << Screen();
    EXPECT_EQ(Rat->end, 16);
    EXPECT_TRUE(fight.KnifeThrown[0]);
    // The rat's turn came and went.
    EXPECT_FALSE(Form().Control("RadioButton1").Enabled);
    EXPECT_EQ(fight.TurnIndex, 2u);

    fight.NextTurn();
    ASSERT_TRUE(Form().Control("RadioButton1").Enabled);
    Queue("choose 2\nexpect-box You have already thrown the knife.\nanswer ok");
    EXPECT_TRUE(Form().Click("BtnUseSkill"));
    EXPECT_EQ(Rat->end, 16);
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
}

TEST_F(SkillsTest, FirstAidAndDestroyWeaponAreForFightsOnly)
{
    for (const char* skill : {"First Aid", "Destroy Weapon"}) {
        Learn(skill, 24);
        Hero->end = 10;
        Queue("choose 2\nexpect-box In combat only.\nanswer ok");
        EXPECT_TRUE(Form().Click("BtnUseSkill"));
        EXPECT_EQ(Hero->end, 10) << skill;
        EXPECT_NO_THROW(TakeRemainingLines()) << skill;
    }
}

TEST_F(SkillsTest, RaisingASkillAppliesItsPassiveEffect)
{
    struct Case {
        const char* skill;
        int32_t from, to;
        TChanges changes;
    };
    const Case cases[] = {
        {"Withstand Damage", 7, 9, {{"end_max", 3}}},
        {"Withstand Damage", 3, 9, {{"end_max", 6}}},
        {"SK_WITHSTAND_DAMAGE", 9, 7, {{"end_max", -3}}},
        {"Mighty Strike", 5, 12, {{"dmg_melee", 2}}},
        {"Priest Spell Resistance", 7, 8, {{"armor_priest", 1}}},
        {"Wizard Spell Resistance", 15, 16, {{"armor_wiz", 1}}},
        {"Physical Damage Resistance", 3, 5, {{"res_pierce", 2}, {"res_blunt", 2}, {"res_slash", 2}}},
        {"Poison Resistance", 0, 4, {{"res_poison", 4}}},
        {"Accuracy", 23, 24, {{"atk_missile", 1}}},
        {"Blessed Shot", 7, 8, {{"dmg_missile", 1}}},
        {"Magic Resistance", 8, 16, {{"armor_wiz", 1}, {"armor_priest", 1}}},
        {"Stone Form", 5, 12, {}},
        {"Withstand Damage", 9, 9, {}},
    };
    for (const Case& c : cases) {
        TPlayer member;
        member.end_max = member.end = 30;
        member.Skills = {SkillEntry{SkillDisplayName(c.skill), c.from, ""}};
        const TChanges before = Fields(member);
        ApplySkillChange(member, c.skill, c.to);
        EXPECT_EQ(ChangedSince(before, member), c.changes) << c.skill << " " << c.from << "->" << c.to;
        EXPECT_EQ(member.Skills[0].skill_value, c.from) << "the caller stores the value";
    }
    TPlayer without;
    const TChanges before = Fields(without);
    ApplySkillChange(without, "Withstand Damage", 9);
    EXPECT_EQ(ChangedSince(before, without), TChanges{});
}

TEST_F(SkillsTest, AnAdventuresOwnSkillHandsItsScriptToTheScriptIds)
{
    // No class answers for id 2: loading for the change says so, and a use runs nothing.
    Learn("Ember Sense", 3, "ember.vbs");
    Queue("expect-box Script ID : 2 could not be loaded\nanswer ok");
    ApplySkillChange(*Hero, "Ember Sense", 4);
    EXPECT_NO_THROW(TakeRemainingLines());
    // Any other extension has no script id for the change.
    Learn("Ember Sense", 3, "ember.txt");
    ApplySkillChange(*Hero, "Ember Sense", 4);
    UseSkillButton();
    EXPECT_EQ(Screen(), "");
}
