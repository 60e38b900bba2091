#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <tuple>

#include "app/PartyForm.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "session/Party.h"
#include "session/StyledText.h"
#include "support/SessionFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into locations (id, name) values (1001, 'The Ember Gate'), (1002, 'The Old Mill');
insert into races (id, name, dmg, dtype_id, attack_type) values (1, 'Human', '1d2', 3, 1), (2, 'Halfling', '1d3', 2, 2);
insert into classes (id, name, skill_1, skill_2, skill_3, skill_4, skill_5)
  values (25, 'Ranger', 45, 3, 100, -1, 63);
insert into skills (id, name, script) values (100, 'Tracking', 'skill_tracking.js');
insert into creature_templates (id, name, end_max, endurance, gold, level, ab_str, armor_melee, mod_atk_melee)
  values (61001, 'Venn', 14, 14, 25, 3, 9, 3, 2);
insert into creatures (id, template_id) values (60001, 61001);
)SQL";

// Venn's extended data: the name/value rows a creature joins with.
const char* const ThiefData = R"SQL(
insert into extended_data (type, id, name, value) values
  (3, 60001, 'Class', 'THIEF'), (3, 60001, 'Race', 'Halfling'), (3, 60001, 'Experience', '5000'),
  (3, 60001, 'SkillValue1', '3'), (3, 60001, 'SkillValue2', '25'), (3, 60001, 'SkillValue4', '24');
)SQL";

// The adventure's system messages, written out as they arrive.
class TSystemMessages : public TScriptObject {
public:
    int32_t OnMessage(int32_t code) override
    {
        AppendText("system message " + std::to_string(code) + " for " + SelfProxy.GetName());
        return -1;
    }
};

class PartyTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        Data().SavePlayer(&StandAt(1001), 1);
        Db().Execute("insert into creatures (id, template_id) values (50001, -1), (50004, -1)");
        RegisterScriptClass(990010, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TSystemMessages>()); });
        Data().SysMsg = 990010;
    }

    void SetExtendedData(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        Db().Execute("delete from extended_data where id = 60001");
        for (const auto& [name, value] : values)
            Db().Execute(std::string("insert into extended_data (type, id, name, value) values (3, 60001, '") + name +
                         "', '" + value + "')");
    }

    int Members()
    {
        int members = 0;
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            members += Form().Member(slot) != nullptr;
        return members;
    }
};

} // namespace

TEST_F(PartyTest, NobodyJoinsForAMemberOrACharacterWithoutARow)
{
    struct Case {
        int64_t id;
        const char* why;
    };
    for (const Case c : {Case{50001, "already in the party"}, Case{50004, "no stored character"}}) {
        EXPECT_EQ(JoinParty(c.id), 0) << c.why;
        EXPECT_EQ(Members(), 1) << c.why;
    }
    Queue("answer ok");
    EXPECT_EQ(JoinParty(40404), 0);
    EXPECT_EQ(TestHost.LastBoxText(), "Creature not found.");
    EXPECT_EQ(Members(), 1);
    EXPECT_EQ(Screen().find("system message"), std::string::npos);
}

TEST_F(PartyTest, AFormerMemberWaitingElsewhereRejoinsOnce)
{
    TLocation* mill = Form().LocationManager->GetLocation(1002);
    ASSERT_NE(mill, nullptr);
    LayWaitingMember(*mill);

    EXPECT_EQ(JoinParty(50003), 50003);
    ASSERT_NE(Form().Member(2), nullptr);
    EXPECT_EQ(Form().Member(2)->Name, "Corwin");
    for (const auto& npc : mill->Npcs)
        EXPECT_EQ(npc, nullptr);
    EXPECT_EQ(Value("select count(*) from loc_cont where cont_id = 50003"), "0");
    EXPECT_NE(Screen().find("system message 10 for Corwin"), std::string::npos) << Screen();

    // Asked again, he does not take a second place.
    EXPECT_EQ(JoinParty(50003), 0);
    EXPECT_EQ(Members(), 2);
}

TEST_F(PartyTest, AThiefCreatureJoinsAsAMaleThiefWithTheLevelItsExperienceGives)
{
    Db().Execute(ThiefData);
    GameClient().PartyGold = 100;
    const int64_t id = JoinParty(60001);
    ASSERT_GT(id, 0);
    EXPECT_NE(id, 60001);
    TPlayer* venn = Form().Member(2);
    ASSERT_NE(venn, nullptr);
    EXPECT_EQ(venn->Id, id);
    EXPECT_EQ(venn->TemplateId, 60001);
    EXPECT_EQ(Value("select template_id from creatures where id = " + std::to_string(id)), "-1");
    EXPECT_EQ(venn->Name, "Venn");
    EXPECT_TRUE(venn->male);
    EXPECT_EQ(venn->ClassId, 4);
    EXPECT_EQ(venn->race_name, "Halfling");
    EXPECT_EQ(venn->NaturalAttackClass, 1);
    EXPECT_EQ(venn->NaturalDamage.DiceCount, 1);
    EXPECT_EQ(venn->NaturalDamage.DieSize, 3);
    EXPECT_EQ(venn->NaturalDamage.DamageType, 1);
    // 5000 has passed the third level's 5000 but not the fourth's 8000.
    EXPECT_EQ(venn->experience, 5000);
    EXPECT_EQ(venn->level, 4);
    EXPECT_EQ(venn->next_level, 8000);
    EXPECT_EQ(venn->attack_roll, 2);
    EXPECT_EQ(venn->Base.attack_roll, 2);
    EXPECT_EQ(venn->delay, 7);
    EXPECT_EQ(venn->Base.delay, 7);
    EXPECT_EQ(venn->Base.end_max, 14);
    EXPECT_EQ(venn->Base.Abilities[0], 9);
    EXPECT_EQ(venn->Base.Armor[0], 3);
    EXPECT_EQ(venn->Base.AttackMod[0], 2);
    const std::vector<std::pair<std::string, int32_t>> expected = {
        {"Find Traps", 3}, {"Remove Traps", 0}, {"Evaluate", 0}, {"Pick Lock", 24}, {"Detect Secret Doors", 0}};
    ASSERT_EQ(venn->Skills.size(), expected.size());
    for (size_t skill = 0; skill < expected.size(); ++skill) {
        EXPECT_EQ(venn->Skills[skill].skill_name, expected[skill].first);
        EXPECT_EQ(venn->Skills[skill].skill_value, expected[skill].second);
    }
    EXPECT_EQ(GameClient().PartyGold, 125);
    EXPECT_EQ(venn->Gold, 0);
    EXPECT_EQ(Form().Control("RadioButton2").Caption, "Venn");
    EXPECT_NE(Screen().find("system message 10 for Venn"), std::string::npos) << Screen();
}

TEST_F(PartyTest, ExtendedDataDecidesSexExperienceAndClass)
{
    struct Case {
        std::initializer_list<std::pair<const char*, const char*>> data;
        bool male;
        int32_t experience, level, nextLevel, attackRoll;
        int classId;
        const char* firstSkill;
    };
    // Venn's template is level 3.
    const Case cases[] = {
        {{{"Class", "1"}, {"IsMale", "0"}}, false, 0, 3, 1250, 1, 1, "Dual Weapon Fighting"},
        {{{"Class", "wizard"}, {"IsMale", "true"}, {"Experience", "-1"}}, true, 0, 3, 1250, 1, 2, "Read Languages/Symbols"},
        {{{"Class", "Cultist"}, {"IsMale", "yes"}, {"Experience", "1250"}}, false, 1250, 2, 2500, 2, 10,
         "Arcane Knowledge"},
        {{{"Class", "10"}, {"IsMale", "1"}, {"Experience", "2400000"}}, true, 2400000, 3, 5000000, 5, 10,
         "Arcane Knowledge"},
        {{{"Class", "BattlePriest"}, {"Experience", "2400001"}}, true, 0, 3, 1250, 1, 9, "Heroic Psalm"},
        // A number names a class as it is; a name the adventure gives is looked up.
        {{{"Class", "42"}}, true, 0, 3, 1250, 1, 42, ""},
        {{{"Class", "Ranger"}}, true, 0, 3, 1250, 1, 25, ""},
        {{{"Class", "Paladin"}}, true, 0, 3, 1250, 1, 1, "Dual Weapon Fighting"},
    };
    for (const Case& c : cases) {
        SetExtendedData(c.data);
        ASSERT_GT(JoinParty(60001), 0) << c.classId;
        const TPlayer& venn = *Form().Member(2);
        EXPECT_EQ(venn.male, c.male) << c.classId;
        EXPECT_EQ(venn.experience, c.experience) << c.classId;
        EXPECT_EQ(venn.level, c.level) << c.experience;
        EXPECT_EQ(venn.next_level, c.nextLevel) << c.experience;
        EXPECT_EQ(venn.attack_roll, c.attackRoll) << c.experience;
        EXPECT_EQ(venn.ClassId, c.classId);
        ASSERT_EQ(venn.Skills.size(), 5u);
        EXPECT_EQ(venn.Skills[0].skill_name, c.firstSkill) << c.classId;
        Form().Party[1].reset();
    }
}

TEST_F(PartyTest, AnAdventuresClassGivesItsSkillsAndCodesWithoutASkillStayEmpty)
{
    SetExtendedData({{"Class", "Ranger"}, {"SkillValue2", "4"}, {"SkillValue3", "6"}});
    ASSERT_GT(JoinParty(60001), 0);
    const TPlayer& venn = *Form().Member(2);
    const std::vector<std::tuple<std::string, int32_t, std::string>> expected = {
        {"", 0, ""}, {"Perception", 4, ""}, {"Tracking", 6, "skill_tracking.js"}, {"", 0, ""}, {"", 0, ""}};
    ASSERT_EQ(venn.Skills.size(), expected.size());
    for (size_t skill = 0; skill < expected.size(); ++skill) {
        EXPECT_EQ(venn.Skills[skill].skill_name, std::get<0>(expected[skill])) << skill;
        EXPECT_EQ(venn.Skills[skill].skill_value, std::get<1>(expected[skill])) << skill;
        EXPECT_EQ(venn.Skills[skill].skill_script, std::get<2>(expected[skill])) << skill;
    }
    // No race given: none is looked up.
    EXPECT_EQ(venn.race_name, "");
}

TEST_F(PartyTest, AnUnknownRaceBecomesTheAdventuresFirst)
{
    SetExtendedData({{"Class", "1"}, {"Race", "Sky Elf"}});
    ASSERT_GT(JoinParty(60001), 0);
    EXPECT_EQ(Form().Member(2)->race_name, "Human");
    EXPECT_EQ(Form().Member(2)->NaturalDamage.DieSize, 2);
}

TEST_F(PartyTest, ACreatureIsRefusedWithoutUsableDataOrRoom)
{
    struct Case {
        std::initializer_list<std::pair<const char*, const char*>> data;
        int32_t maxParty;
        const char* box;
    };
    const Case cases[] = {
        {{}, 6, "Extended Data not found"},
        {{{"Class", "1"}, {"Experience", "12 years"}}, 6, "Error reading Experience value"},
        {{{"Class", "1"}}, 1, "There is not enough room in your party. You must remove one member first."},
    };
    const std::string creatures = Value("select count(*) from creatures");
    for (const Case& c : cases) {
        SetExtendedData(c.data);
        Data().MaxParty = c.maxParty;
        Queue("answer ok");
        EXPECT_EQ(JoinParty(60001), 0) << c.box;
        EXPECT_EQ(TestHost.LastBoxText(), c.box);
        EXPECT_EQ(Members(), 1) << c.box;
        EXPECT_EQ(Value("select count(*) from creatures"), creatures) << c.box;
        EXPECT_EQ(GameClient().PartyGold, 0) << c.box;
    }
}

TEST_F(PartyTest, ALeavingMemberWaitsHereAndComesBackWhole)
{
    Db().Execute(ThiefData);
    const int64_t id = JoinParty(60001);
    ASSERT_GT(id, 0);
    Form().Member(2)->end = 9;
    GameClient().EnableMemberPanel(1, true);
    Form().Click("RadioButton2");
    ASSERT_EQ(Process().SelectedMember, 2);

    EXPECT_EQ(LeaveParty(2), id);
    EXPECT_EQ(Form().Member(2), nullptr);
    EXPECT_FALSE(Form().Control("RadioButton2").Enabled);
    EXPECT_EQ(Form().Control("RadioButton2").Caption, "Character 2");
    EXPECT_EQ(Process().SelectedMember, 1);
    EXPECT_EQ(Value("select party_pos from players where id = " + std::to_string(id)), "0");
    EXPECT_EQ(Value("select ctype || ',' || loc_id || ',' || visible from loc_cont where cont_id = " +
                    std::to_string(id)),
              "31,1001,1");
    TEntity* waiting = nullptr;
    for (const auto& npc : GameClient().CurrentLocation->Npcs)
        if (npc && npc->Id == id)
            waiting = npc.get();
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(waiting->Name, "Venn");
    EXPECT_EQ(waiting->ScriptId, 100);
    EXPECT_NE(Screen().find("system message 11 for Venn"), std::string::npos) << Screen();

    EXPECT_EQ(JoinParty(id), id);
    ASSERT_NE(Form().Member(2), nullptr);
    EXPECT_EQ(Form().Member(2)->Name, "Venn");
    EXPECT_EQ(Form().Member(2)->end, 9);
    EXPECT_EQ(Form().Member(2)->Skills[3].skill_value, 24);
}

TEST_F(PartyTest, NobodyLeavesWhoCannotGoSafely)
{
    Db().Execute(ThiefData);
    ASSERT_GT(JoinParty(60001), 0);
    TPlayer& venn = *Form().Member(2);
    venn.end = 10;
    Form().EffectsManager = std::make_unique<TEffectsManager>();
    struct Case {
        const char* why;
        std::function<void()> make;
        std::function<void()> undo;
        const char* box;
    };
    const Case cases[] = {
        {"a buff on the member",
         [&] {
             auto buff = std::make_unique<TEffectMod>();
             buff->Target = &venn;
             buff->Remaining = 20;
             Form().EffectsManager->Add(std::move(buff));
         },
         [&] { Form().EffectsManager->DropFor(&venn); }, "You cannot remove the player at this time."},
        {"a fight", [&] { Form().InCombat = true; }, [&] { Form().InCombat = false; },
         "You cannot remove the player at this time."},
        {"a shop", [&] { GameClient().Trading = true; }, [&] { GameClient().Trading = false; },
         "You cannot remove the player at this time."},
    };
    for (const Case& c : cases) {
        c.make();
        Queue("answer ok");
        EXPECT_EQ(LeaveParty(2), 0) << c.why;
        EXPECT_EQ(TestHost.LastBoxText(), c.box) << c.why;
        EXPECT_EQ(Form().Member(2), &venn) << c.why;
        c.undo();
    }
    EXPECT_EQ(Value("select count(*) from loc_cont where ctype = 31"), "0");

    ASSERT_GT(LeaveParty(2), 0);
    Queue("answer ok");
    EXPECT_EQ(LeaveParty(1), 0);
    EXPECT_EQ(TestHost.LastBoxText(), "You cannot remove the only player in the group");
    EXPECT_NE(Form().Member(1), nullptr);
    EXPECT_EQ(LeaveParty(2), 0);
}

TEST_F(PartyTest, TheDialogSaysExportedOnlyWhenTheFileWasWritten)
{
    TFrmParty dialog;
    dialog.PrepareSlots();
    EXPECT_EQ(dialog.Control("RadioP1").Caption, "Aldric");
    EXPECT_TRUE(dialog.Control("RadioP1").Enabled);
    EXPECT_EQ(dialog.Control("RadioP2").Caption, "Character 2");
    EXPECT_FALSE(dialog.Control("RadioP2").Enabled);

    // Nothing checked: nothing happens.
    dialog.Click("BtnExport");
    dialog.Click("Button1");
    EXPECT_EQ(TestHost.LastBoxText(), "");

    dialog.Click("RadioP1");
    Queue("answer ok");
    dialog.Click("BtnExport");
    EXPECT_EQ(TestHost.LastBoxText(), "Aldric exported in " + Data().ExportFolder());
    EXPECT_TRUE(std::filesystem::exists(Data().ExportFolder() + "/Aldric.chr"));

    std::filesystem::remove_all(Data().ExportFolder());
    std::ofstream(Data().ExportFolder()) << "in the way";
    Queue("answer ok");
    dialog.Click("BtnExport");
    EXPECT_EQ(TestHost.LastBoxText().find("exported in"), std::string::npos) << TestHost.LastBoxText();
    EXPECT_NE(TestHost.LastBoxText().find("could not be exported"), std::string::npos) << TestHost.LastBoxText();
}
