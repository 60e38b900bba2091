#include <gtest/gtest.h>

#include "rules/Creature.h"
#include "support/EngineFixture.h"

namespace {

// A fixed amount that draws nothing from the random source.
DamageRec Fixed(int amount, uint8_t type = 0)
{
    DamageRec damage;
    damage.Form = dfRange;
    damage.Values = {amount};
    damage.DamageType = type;
    return damage;
}

std::unique_ptr<TWeapon> MakeWeapon(const std::string& name, uint8_t type, int32_t uses = -1, int damage = 3)
{
    auto weapon = std::make_unique<TWeapon>();
    weapon->Name = name;
    weapon->WeaponType = type;
    weapon->weapon_uses = uses;
    *weapon->Damage = Fixed(damage);
    weapon->EquipSlots.set(bsRHand).set(bsLHand);
    return weapon;
}

class AttackTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSessionWithContents();
        Form().Party[0] = std::make_unique<TPlayer>();
        Hero = Form().Party[0].get();
        Hero->Name = "Aldric";
        Hero->end_max = Hero->end = 20;
        Hero->attack_roll = 2;
        auto rat = std::make_unique<TEnemy>();
        rat->Name = "Cellar Rat";
        rat->end_max = rat->end = 30;
        Rat = rat.get();
        Here.AddCreature(std::move(rat));
    }

    void Hold(std::unique_ptr<TItem> weapon, int hand) { Hero->SetBodySlot(std::move(weapon), hand); }
    TWeapon* Held(int hand) { return dynamic_cast<TWeapon*>(Hero->BodySlots[hand].get()); }
    // The attack with the dice forced to give these faces (1..6).
    bool AttackRolling(std::vector<int> faces, TCreature* attacker = nullptr)
    {
        for (int& face : faces)
            face -= 1;
        Process().Random.Force(faces);
        return (attacker ? attacker : Hero)->Attack(Rat);
    }
    // What the pane gained since the last call.
    std::string Output()
    {
        const std::string text = Screen();
        const std::string gained = text.substr(std::min(Shown, text.size()));
        Shown = text.size();
        return gained;
    }

    TPlayer* Hero = nullptr;
    TEnemy* Rat = nullptr;
    size_t Shown = 0;
};

} // namespace

TEST_F(AttackTest, TheRollLineShowsTheBonusOfHandAndMastery)
{
    // attack_roll 2 rolling 7, mod_atk_melee 1, a sword with atk_melee 1, mastery 3.
    struct Case {
        int hand;
        int32_t leftHandSkill;
        int32_t armor;
        const char* line;
        int ratEndurance;
    };
    const Case cases[] = {
        {bsRHand, -1, 11, "Aldric Rolls 7 + 4 = 11:HIT\nCellar Rat took 3 damage", 27},
        {bsLHand, 7, 11, "Aldric Rolls 7 + 1 = 8:MISSED", 30},
        {bsLHand, -1, 11, "Aldric Rolls 7 + 4 = 11:HIT", 27},
        {bsLHand, 0, 11, "Aldric Rolls 7 :MISSED", 30},
        {bsLHand, 24, 11, "Aldric Rolls 7 + 4 = 11:HIT", 27},
        {bsLHand, 30, 11, "Aldric Rolls 7 + 4 = 11:HIT", 27},
    };
    for (const Case& c : cases) {
        Hero->Skills.clear();
        if (c.leftHandSkill >= 0)
            Hero->Skills.push_back({"Left Hand Fighting", c.leftHandSkill, ""});
        Hero->AttackMod[0] = 1;
        Hero->Mastery[11] = 3;
        Rat->Armor[0] = c.armor;
        Rat->end = 30;
        auto sword = MakeWeapon("Short Sword", 11);
        sword->Attack[0] = 1;
        Hero->BodySlots[bsRHand].reset();
        Hero->BodySlots[bsLHand].reset();
        Hold(std::move(sword), c.hand);
        AttackRolling({4, 3});
        const std::string output = Output();
        EXPECT_NE(output.find(c.line), std::string::npos) << c.hand << "/" << c.leftHandSkill << "\n" << output;
        EXPECT_EQ(Rat->end, c.ratEndurance);
    }
}

TEST_F(AttackTest, NaturalAttacksSayTheirRollAndMissesDealNothing)
{
    Hero->NaturalDamage = Fixed(4);
    struct Case {
        int32_t bonus;
        int32_t armor;
        const char* line;
        bool hit;
    };
    const Case cases[] = {
        {0, 20, "Aldric Rolls:7 :MISSED", false},
        {0, 7, "Aldric Rolls 7 :HIT", true},
        {2, 20, "Aldric Rolls:7 + 2 = 9:MISSED", false},
        {-3, 4, "Aldric Rolls 7 - 3 = 4:HIT", true},
    };
    for (const Case& c : cases) {
        Hero->AttackMod[0] = c.bonus;
        Rat->Armor[0] = c.armor;
        Rat->end = 30;
        EXPECT_EQ(AttackRolling({4, 3}), c.hit);
        const std::string output = Output();
        EXPECT_NE(output.find(c.line), std::string::npos) << output;
        EXPECT_EQ(Rat->end, c.hit ? 26 : 30) << output;
    }
    // A hit that resistance takes to nothing is still a hit.
    Rat->end = 30;
    Rat->Resistances[3] = 100;
    Hero->NaturalDamage = Fixed(4, 3);
    EXPECT_TRUE(AttackRolling({4, 3}));
    EXPECT_EQ(Rat->end, 30);
}

TEST_F(AttackTest, EnemiesSayTheirOwnMessagesWithTheTargetsName)
{
    auto wolf = std::make_unique<TEnemy>();
    wolf->Name = "Wolf";
    wolf->attack_roll = 2;
    wolf->NaturalDamage = Fixed(1);
    wolf->HitMessage = "The wolf bites ?? and ??:HIT";
    wolf->MissMessage = "The wolf snaps at ??:MISSED";
    Process().Random.Force({5, 5});
    EXPECT_TRUE(wolf->Attack(Hero));
    Process().Random.Force({0, 0});
    Hero->Armor[0] = 5;
    EXPECT_FALSE(wolf->Attack(Hero));
    const std::string output = Output();
    EXPECT_NE(output.find("The wolf bites Aldric and Aldric:HIT\nAldric took 1 damage\nThe wolf snaps at Aldric:MISSED"),
              std::string::npos)
        << output;
}

TEST_F(AttackTest, LaunchersNeedTheirAmmunitionInAQuickSlot)
{
    struct Case {
        uint8_t launcher;
        uint8_t ammunition;
        const char* missing;
    };
    const Case cases[] = {{1, 16, "Aldric does not have arrows equipped."},
                          {3, 17, "Aldric does not have bolts equipped."},
                          {12, 18, "Aldric does not have bullets equipped."}};
    for (const Case& c : cases) {
        Hero->BodySlots[bsRHand].reset();
        for (auto& quick : Hero->QuickSlots)
            quick.reset();
        Hold(MakeWeapon("Launcher", c.launcher), bsRHand);
        // Ammunition of another kind, and a spent stack, do not count.
        Hero->QuickSlots[0] = MakeWeapon("Other", c.ammunition == 16 ? 17 : 16, 5);
        Hero->QuickSlots[2] = MakeWeapon("Spent", c.ammunition, 0);
        Process().Random.Force({0, 0});
        EXPECT_FALSE(Hero->Attack(Rat));
        EXPECT_TRUE(Process().Random.HasForced()) << "nothing is rolled";
        Process().Random.Seed(1);
        const std::string output = Output();
        EXPECT_NE(output.find(c.missing), std::string::npos) << output;
        EXPECT_EQ(output.find("Rolls"), std::string::npos) << output;
    }
}

TEST_F(AttackTest, TheLastPieceOfAmmunitionLeavesItsQuickSlotHitOrMiss)
{
    for (const int32_t armor : {0, 99}) {
        Hero->BodySlots[bsRHand].reset();
        auto bow = MakeWeapon("Short Bow", 1);
        bow->Attack[1] = 1;
        bow->DamageBonus[1] = 1;
        Hold(std::move(bow), bsRHand);
        auto arrows = MakeWeapon("Arrows", 16, 1, 5);
        arrows->DamageBonus[1] = 2;
        arrows->ExtraDamages.push_back(std::make_unique<DamageRec>(Fixed(1)));
        Hero->QuickSlots[1] = std::move(arrows);
        Hero->AttackMod[1] = 1;
        Hero->DamageMod[1] = 1;
        Rat->Armor[1] = armor;
        Rat->end = 30;
        const bool hit = AttackRolling({4, 3});
        EXPECT_EQ(hit, armor == 0);
        EXPECT_EQ(Hero->QuickSlots[1], nullptr);
        const std::string output = Output();
        // The bow's and the arrows' missile bonuses count: 7 + 1 + 1.
        EXPECT_NE(output.find("Aldric Rolls 7 + 2 = 9"), std::string::npos) << output;
        // 5 + 1 (bow) + 2 (arrows) + 1 (attacker), then the extra 1.
        EXPECT_EQ(Rat->end, hit ? 20 : 30) << output;
        EXPECT_EQ(Form().Control("Quick2_1").Caption, "EMPTY");
    }
}

TEST_F(AttackTest, AUsedUpThrowingWeaponLeavesTheHandWithItsModifiers)
{
    struct Case {
        const char* name;
        uint8_t type;
        bool twoHanded;
        int hand;
    };
    for (const Case& c : {Case{"Dagger", 4, false, bsRHand}, Case{"Dagger", 4, false, bsLHand},
                          Case{"Great Spear", 13, true, bsRHand}}) {
        Hero->BodySlots[bsRHand].reset();
        Hero->BodySlots[bsLHand].reset();
        Hero->TwoHandedInBothHands = false;
        Hero->AttackMod = {};
        auto thrown = MakeWeapon(c.name, c.type, 1);
        thrown->two_handed = c.twoHanded;
        std::unique_ptr<TItem> weapon = std::move(thrown);
        // A melee weapon's missile bonus is worn with it.
        weapon->Attack[1] = 2;
        weapon->Armor[0] = 1;
        weapon->UsableBy.set();
        ASSERT_TRUE(Hero->Equip(weapon, c.hand));
        ASSERT_EQ(Hero->AttackMod[1], 2);
        AttackRolling({6, 6});
        EXPECT_EQ(Hero->BodySlots[bsRHand], nullptr) << c.name;
        EXPECT_EQ(Hero->BodySlots[bsLHand], nullptr) << c.name;
        EXPECT_FALSE(Hero->TwoHandedInBothHands) << c.name;
        EXPECT_EQ(Hero->HeldInBodySlot(bsLHand), nullptr) << c.name;
        EXPECT_EQ(Hero->AttackMod[1], 0) << c.name;
        EXPECT_EQ(Hero->Armor[0], 0) << c.name;
    }
    // A stack with pieces left only loses one.
    Hold(MakeWeapon("Darts", 5, 3), bsRHand);
    AttackRolling({6, 6});
    ASSERT_NE(Held(bsRHand), nullptr);
    EXPECT_EQ(Held(bsRHand)->weapon_uses, 2);
}

TEST_F(AttackTest, DualWeaponFightingAtFiftyAlwaysStrikesWithBoth)
{
    struct Case {
        int32_t skill;
        int forcedPercent;
        bool dual;
    };
    for (const Case& c : {Case{50, 100, true}, Case{50, 1, true}, Case{0, 1, false}, Case{-1, 1, false}}) {
        Hero->Skills.clear();
        if (c.skill >= 0)
            Hero->Skills.push_back({"Dual Weapon Fighting", c.skill, ""});
        Hero->BodySlots[bsRHand].reset();
        Hero->BodySlots[bsLHand].reset();
        Hold(MakeWeapon("Sword", 11, -1, 2), bsRHand);
        Hold(MakeWeapon("Dagger", 4, -1, 1), bsLHand);
        TItem* left = Hero->BodySlots[bsLHand].get();
        Rat->end = 30;
        // The percentage, the right hand's roll, the left hand's roll (or the pick of a hand).
        Process().Random.Force({c.forcedPercent - 1, 5, 5, 5, 5, 0, 5, 5});
        Hero->Attack(Rat);
        Process().Random.Seed(1);
        const std::string output = Output();
        EXPECT_EQ(output.find("Aldric:Dual Attack") != std::string::npos, c.dual) << output;
        // Without a dual attack one hand is picked: the forced 5 picks the left.
        EXPECT_EQ(Rat->end, c.dual ? 27 : 29) << c.skill << "\n" << output;
        EXPECT_EQ(Hero->BodySlots[bsLHand].get(), left);
    }
    // The right hand's blow that kills ends the dual attack.
    Hero->Skills = {{"Dual Weapon Fighting", 50, ""}};
    Rat->end = 2;
    Process().Random.Force({0, 5, 5});
    Hero->Attack(Rat);
    const std::string killed = Output();
    ASSERT_NE(killed.find("Cellar Rat :DEAD"), std::string::npos) << killed;
    EXPECT_EQ(killed.find("Aldric Rolls", killed.find("Cellar Rat :DEAD")), std::string::npos) << killed;
}

TEST_F(AttackTest, OddWeaponTypesAndFullHandsAreHandledSafely)
{
    // Weapon types past the sixteen masteries have no mastery bonus.
    Hero->Mastery.fill(5);
    Hold(MakeWeapon("Odd Thing", 200), bsRHand);
    AttackRolling({4, 3});
    EXPECT_NE(Output().find("Aldric Rolls 7 :"), std::string::npos);

    Hero->BodySlots[bsRHand] = std::make_unique<TItem>();
    Hero->BodySlots[bsLHand] = std::make_unique<TItem>();
    EXPECT_FALSE(Hero->Attack(Rat));
    EXPECT_NE(Output().find("Aldric cannot attack. No empty hand - No weapon carried."), std::string::npos);
    EXPECT_FALSE(Hero->Attack(nullptr));

    // An attack class out of range strikes as melee.
    Hero->BodySlots[bsLHand].reset();
    Hero->BodySlots[bsRHand].reset();
    Hero->NaturalAttackClass = 9;
    Hero->NaturalDamage = Fixed(1);
    Rat->end = 30;
    EXPECT_TRUE(AttackRolling({4, 3}));
    EXPECT_EQ(Rat->end, 29);
}

TEST_F(AttackTest, ExtraDamagesStopWithTheTargetsDeath)
{
    auto blade = MakeWeapon("Ember Blade", 11, -1, 4);
    blade->ExtraDamages.push_back(std::make_unique<DamageRec>(Fixed(2, 4)));
    blade->ExtraDamages.push_back(std::make_unique<DamageRec>(Fixed(2, 4)));
    Hold(std::move(blade), bsRHand);
    Rat->end = 5;
    AttackRolling({6, 6});
    const std::string output = Output();
    EXPECT_EQ(Here.Creatures[0], nullptr);
    EXPECT_NE(output.find("Cellar Rat took 4 damage\nCellar Rat took 2 fire damage\nCellar Rat :DEAD"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("took 2 fire damage", output.find(":DEAD")), std::string::npos) << output;
}
