#include <gtest/gtest.h>

#include "data/SQLite.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Death.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "session/StyledText.h"
#include "support/EngineFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

// Says whose death it heard and whether its row was already a body.
class TDeathWitness : public TScriptObject {
public:
    int32_t OnDead() override
    {
        Process().SessionDb->Execute("select ctype from loc_cont", true);
        AppendText("witnessed " + SelfProxy.GetName() + " on a row of type " +
                   Process().SessionDb->Rows.at(0)->GetItem("ctype"));
        return 1;
    }
};

class DeathTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSessionWithContents();
    }

    TPlayer& AddMember(int slot, const std::string& name)
    {
        Form().Party[slot - 1] = std::make_unique<TPlayer>();
        TPlayer& member = *Form().Party[slot - 1];
        member.Name = name;
        member.Id = 50000 + slot;
        member.end_max = member.end = 20;
        member.next_level = 1250;
        return member;
    }
};

} // namespace

TEST_F(DeathTest, ACreatureKilledHereBecomesABody)
{
    TPlayer& hero = AddMember(1, "Aldric");
    AddMember(2, "Brenna");
    auto rat = std::make_unique<TEnemy>();
    rat->Name = "Cellar Rat";
    rat->end_max = rat->end = 4;
    rat->experience = 101;
    rat->ScriptId = 990013;
    RegisterScriptClass(990013, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TDeathWitness>()); });
    rat->PlacementId = Form().LocationManager->InsertRow(Here.Id, ctCreature, true, 30101);
    TEnemy* body = rat.get();
    Here.AddCreature(std::move(rat));

    DamageRec bite;
    bite.Form = dfList;
    bite.Values = {6};
    bite.DamageType = 0;
    EXPECT_EQ(ApplyDamage(&bite, body, 0), 6);
    EXPECT_EQ(Here.Creatures[0], nullptr);
    ASSERT_EQ(Here.Corpses[0].get(), body);
    EXPECT_EQ(body->end, 0);
    // 101 over two members: 50.5 rounds to the even 50.
    EXPECT_EQ(hero.experience, 50);
    EXPECT_EQ(Form().Control("Experience1").Caption, "50");
    const std::string output = Screen();
    // Its script hears of the death after the experience and before the row becomes a body.
    EXPECT_NE(output.find("Cellar Rat took 6 damage\nCellar Rat :DEAD\nThe party gained experience 101\n\n"
                          "witnessed Cellar Rat on a row of type " + std::to_string(ctCreature) + "\n"),
              std::string::npos) << output;
    EXPECT_EQ(Process().SessionDb->Query("select ctype from loc_cont").at(0)->GetItem("ctype"), "10");

    // Striking the body again prints the damage and nothing more.
    ApplyDamage(&bite, body, 0);
    EXPECT_EQ(Screen().find(":DEAD", output.size()), std::string::npos);
}

TEST_F(DeathTest, ExperienceSharesRoundHalfToEven)
{
    struct Case {
        int members;
        int amount;
        int share;
    };
    for (const Case& c : {Case{3, 100, 33}, Case{6, 100, 17}, Case{4, 10, 2}, Case{4, 14, 4}, Case{1, 0, 0}}) {
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            Form().Party[slot - 1].reset();
        for (int slot = 1; slot <= c.members; ++slot)
            AddMember(slot, "Member");
        AwardExperience(c.amount);
        EXPECT_EQ(Form().Member(1)->experience, c.share) << c.members << " share " << c.amount;
    }
    Form().Member(1)->experience = 1200;
    AwardExperience(50);
    EXPECT_TRUE(Form().Control("BtnLevelUp1").Enabled);
}

TEST_F(DeathTest, TheLastMemberDyingEndsTheGame)
{
    TPlayer& hero = AddMember(1, "Aldric");
    Queue("expect-box Game Over :-( \nanswer ok");
    DamageRec blow;
    blow.Form = dfList;
    blow.Values = {25};
    blow.DamageType = 0;
    ApplyDamage(&blow, &hero, 0);
    EXPECT_EQ(Form().Member(1), nullptr);
    ASSERT_NE(Here.Corpses[0], nullptr);
    EXPECT_TRUE(Here.Corpses[0]->IsDead());
    EXPECT_GT(Here.Corpses[0]->PlacementId, 0);
    Process().SessionDb->Execute("select * from loc_cont", true);
    ASSERT_EQ(Process().SessionDb->Rows.size(), 1u);
    EXPECT_EQ(Process().SessionDb->Rows[0]->GetItem("ctype"), "11");
    EXPECT_EQ(Process().SessionDb->Rows[0]->GetItem("cont_id"), "50001");
    EXPECT_TRUE(GameClient().SessionClosed);
    EXPECT_EQ(Process().GameDir, "");
    EXPECT_NE(Screen().find("Aldric :DEAD"), std::string::npos);
    EXPECT_EQ(Form().Control("RadioButton1").Caption, "Character 1");
    EXPECT_FALSE(Form().Control("RadioButton1").Enabled);
}

TEST_F(DeathTest, DuringARealTimeFightTheTickChecksForTheEnd)
{
    AddMember(1, "Aldric");
    TPlayer& second = AddMember(2, "Brenna");
    Form().InCombat = true;
    DamageRec blow;
    blow.Form = dfList;
    blow.Values = {25};
    blow.DamageType = 0;
    ApplyDamage(&blow, &second, 0);
    EXPECT_EQ(Form().Member(2), nullptr);
    EXPECT_FALSE(GameClient().SessionClosed);
}
