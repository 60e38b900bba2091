#include <gtest/gtest.h>

#include <filesystem>

#include "data/CharacterFile.h"

#include "rules/CharGen.h"
#include "rules/Creature.h"
#include "rules/Skills.h"
#include "support/SessionFixture.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('DefaultClasses', '1|5|7|');
insert into races (id, name, description, ab_str, ab_dex, ab_const, weapon_axe, weapon_bow, res_fire, dmg, dtype_id)
  values (1, 'Dwarf', 'Stout folk.', 3, 0, 1, 2, 0, 15, '1d3', 3), (2, 'Elf', 'Fair folk.', 0, 2, 0, 0, 3, 0, '1d2', 3);
insert into skills (id, name, description, script) values (64, 'Ember Sense', 'Feels the heat of ember-ore.', 'sense.js');
insert into classes (id, name, description, allowed, allowed_races, skill_1, skill_2, dmana, starting_mana, starting_end,
                     wep_1, wep_2)
  values (21, 'Ember Warden', 'Keepers of the forges.', 1, '|Dwarf|', 64, 14, 2, 3, 12, 2, 1);
)SQL";

class CharGenTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
    }

    // Gender, race (by button), class (by selector), then the ability page.
    std::string ToAbilities(const std::string& race, const std::string& classButton, bool female = false)
    {
        return std::string(female ? "click RadioFemale\n" : "") + "click BtnNext\nclick " + race + "\nclick BtnNext\nclick " +
               classButton + "\nclick BtnNext\n";
    }

    // A level-1 member about to rise, with every ability at 5.
    static void LevelOne(TPlayer& member, const std::string& name, uint8_t classId, const std::string& race)
    {
        member.Name = name;
        member.level = 1;
        member.ClassId = classId;
        member.race_name = race;
        member.Abilities = {5, 5, 5, 5, 5};
    }
};

} // namespace

TEST_F(CharGenTest, ANewDwarfWarrior)
{
    Process().Random.Force({7});
    Queue(ToAbilities("RadioRace0", "RadioClass1") +
          // Beside each ability: the highest value the race allows, its column + 4.
          "expect-control LblStrMax caption up to 7\n"
          "expect-control LblDexMax caption up to 4\n"
          "expect-control LblConstMax caption up to 5\n"
          // Strength may rise race column + 4 = 7 points in one run.
          "click SpinStrUp\nclick SpinStrUp\nclick SpinStrUp\nclick SpinStrUp\nclick SpinStrUp\nclick SpinStrUp\n"
          "click SpinStrUp\nclick SpinStrUp\n"
          "expect-box You cannot raise this ability any more.\nanswer ok\n"
          "expect-control SpinStr position 7\n"
          "click SpinConstUp\nclick SpinConstUp\n"
          "expect-control LblAbilityPoints caption Points Remaining 3\n"
          "click BtnNext\n"
          "expect-control LblWeaponPoints caption Points Remaining 0\n"
          "click BtnNext\n"
          "expect-control BtnSkill_1 caption Dual Weapon Fighting 0\n"
          "click BtnSkill_4Up\nclick BtnSkill_4Up\n"
          "click BtnNext\n"
          "expect-control BtnNext caption FINISH\n"
          "click BtnNext\n"
          "expect-box Provide a name for this character\nanswer ok\n"
          "type EditName Thorgrim Ashbeard\n"
          "click BtnNext");
    TPlayer player;
    ASSERT_TRUE(CreateCharacter(player));
    EXPECT_EQ(player.Name, "Thorgrim Ashbeard");
    EXPECT_EQ(player.race_name, "Dwarf");
    EXPECT_EQ(player.ClassId, 1);
    EXPECT_TRUE(player.male);
    EXPECT_EQ(player.level, 1);
    EXPECT_EQ(player.next_level, 1250);
    EXPECT_EQ(player.Abilities[0], 7);
    EXPECT_EQ(player.Abilities[4], 2);
    // 11 from the class, and Constitution 2 adds 3 more.
    EXPECT_EQ(player.end_max, 14);
    EXPECT_EQ(player.end, 14);
    EXPECT_EQ(player.Gold, 27);
    EXPECT_EQ(player.Resistances[4], 15);
    EXPECT_EQ(player.NaturalDamage.DieSize, 3);
    EXPECT_EQ(player.attack_roll, 1);
    ASSERT_EQ(player.Skills.size(), 5u);
    EXPECT_EQ(player.Skills[3].skill_name, "Withstand Damage");
    EXPECT_EQ(player.Skills[3].skill_value, 2);
}

TEST_F(CharGenTest, NamesKeepTwentyWholeCharacters)
{
    struct Case {
        std::string typed;
        std::string kept;
    };
    for (const Case& c : {
             Case{"\xC3\x89owyn d'Arc", "\xC3\x89owyn d'Arc"},
             // Twenty-one characters in 41 bytes: the twentieth é stays whole.
             Case{"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                  "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9x",
                  "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                  "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"},
             Case{"Brenna of the Ember Gate", "Brenna of the Ember"},
         }) {
        SCOPED_TRACE(c.typed);
        Queue(ToAbilities("RadioRace0", "RadioClass1") + "click BtnNext\nclick BtnNext\nclick BtnNext\ntype EditName " +
              c.typed + "\nclick BtnNext");
        TPlayer player;
        ASSERT_TRUE(CreateCharacter(player));
        EXPECT_EQ(player.Name, c.kept);
    }
}

TEST_F(CharGenTest, ClassesOfferedAndRefused)
{
    Queue("click BtnNext\nclick RadioRace1\nclick BtnNext\n"
          "expect-control RadioClass1 checked true\n"
          "expect-control RadioClass7 enabled false\n"
          "expect-control RadioClass2 visible false\n"
          "expect-control RadioCustomClass1 caption Ember Warden\n"
          "expect-control RadioCustomClass1 enabled false\n"
          "click BtnPrevious");
    TPlayer player;
    EXPECT_FALSE(CreateCharacter(player));

    // A female dwarf may be an Amazon or an Ember Warden, whose description shows.
    Queue(ToAbilities("RadioRace0", "RadioCustomClass1", true) +
          "click BtnNext\n"
          "expect-control LblWeaponPoints caption Points Remaining 2\n"
          "click SpinAxeUp\nclick SpinAxeUp\n"
          "expect-box You cannot raise a weapon mastery more than one point.\nanswer ok\n"
          "click SpinBowUp\n"
          "expect-box due to race restrictions\nanswer ok\n"
          "expect-control Lbl_WM_1 caption Apprentice\n"
          "click BtnNext\n"
          "expect-control BtnSkill_1 caption Ember Sense 0\n"
          "expect-control BtnSkill_2 caption Find Traps 0\n"
          "click BtnNext\ntype EditName Ysolde\nclick BtnNext");
    TPlayer warden;
    ASSERT_TRUE(CreateCharacter(warden));
    EXPECT_FALSE(warden.male);
    EXPECT_EQ(warden.ClassId, 21);
    EXPECT_EQ(warden.mana_max, 3);
    EXPECT_EQ(warden.end_max, 12);
    EXPECT_EQ(warden.Mastery[0], 1);
    EXPECT_EQ(warden.Skills[0].skill_script, "sense.js");
}

TEST_F(CharGenTest, APirateStartsWithAWeaponPoint)
{
    Queue(ToAbilities("RadioRace0", "RadioClass5") + "click BtnNext\n"
                                                     "expect-control LblWeaponPoints caption Points Remaining 1\n"
                                                     "close");
    TPlayer player;
    EXPECT_FALSE(CreateCharacter(player));
}

TEST_F(CharGenTest, LevelUps)
{
    TPlayer member;
    LevelOne(member, "Aldric", 5, "Dwarf");
    {
        TCharGen generator(member);
        generator.PrepareLevelUp();
        EXPECT_EQ(generator.Form.Caption, "Level Up *Aldric*");
        EXPECT_FALSE(generator.Form.Control("BtnImport").Visible);
        Queue("expect-control SpinStr position 5\n"
              "expect-control BtnPrevious enabled false\n"
              "click SpinDexUp\n"
              "click BtnNext\nclick BtnPrevious\nclick BtnNext\nclick BtnNext\n"
              "expect-control BtnNext caption FINISH\n"
              "click BtnNext");
        generator.Run();
        EXPECT_TRUE(generator.Finished);
    }
    EXPECT_EQ(member.level, 2);
    EXPECT_EQ(member.next_level, 2500);
    EXPECT_EQ(member.Abilities[1], 6);
    EXPECT_EQ(member.attack_roll, 2);

    member.level = 17;
    TCharGen last(member);
    last.PrepareLevelUp();
    last.Run();  // no dialog: nothing is queued
    EXPECT_EQ(member.level, 18);
    EXPECT_EQ(member.next_level, 2147483647);
}

TEST_F(CharGenTest, ARaisedSkillTakesItsPassiveEffectAndItsNameTellsWhatItDoes)
{
    TPlayer member;
    LevelOne(member, "Aldric", 1, "Dwarf");
    member.end_max = member.end = 20;
    member.Skills = {SkillEntry{"Dual Weapon Fighting", 0, ""}, SkillEntry{"Left Hand Fighting", 0, ""},
                     SkillEntry{"Mighty Strike", 0, ""}, SkillEntry{"Withstand Damage", 3, ""},
                     SkillEntry{"Ember Sense", 0, ""}};
    TCharGen generator(member);
    generator.PrepareLevelUp();
    Queue("click BtnNext\nclick BtnNext\nclick BtnSkill_4Up\nclick BtnNext");
    generator.Run();
    EXPECT_EQ(member.Skills[3].skill_value, 4);
    EXPECT_EQ(member.end_max, 23);
    EXPECT_EQ(generator.Form.Control("BtnSkill_4").Hint, BuiltInSkills[skWithstandDamage].Description);
    EXPECT_EQ(generator.Form.Control("BtnSkill_5").Hint, "Feels the heat of ember-ore.");
}

TEST_F(CharGenTest, WeaponPointsAreABudgetForTheWholeLevelUp)
{
    Db().Execute("insert into races (id, name, weapon_axe, weapon_bow, weapon_club, weapon_crossbow, weapon_dagger, "
                 "weapon_darts) values (3, 'Human', 7, 7, 7, 7, 7, 7)");
    TPlayer member;
    LevelOne(member, "Aldric", 1, "Human");
    TCharGen generator(member);
    generator.PrepareLevelUp();
    Queue("click BtnNext\n"
          "expect-control LblWeaponPoints caption Points Remaining 3\n"
          "click SpinAxeUp\nclick SpinBowUp\nclick SpinClubUp\n"
          "click BtnPrevious\nclick BtnNext\n"
          "expect-control LblWeaponPoints caption Points Remaining 0\n"
          "click SpinCrossbowUp\nclick SpinDaggerUp\nclick SpinDartsUp\n"
          // Taking one back frees its point, and only that one.
          "click SpinAxeDown\nclick BtnPrevious\nclick BtnNext\n"
          "expect-control LblWeaponPoints caption Points Remaining 1\n"
          "click SpinDaggerUp\n"
          "click BtnNext\nclick BtnNext");
    generator.Run();
    EXPECT_TRUE(generator.Finished);
    const std::array<uint8_t, 6> raised = {member.Mastery[0], member.Mastery[1], member.Mastery[2],
                                           member.Mastery[3], member.Mastery[4], member.Mastery[5]};
    EXPECT_EQ(raised, (std::array<uint8_t, 6>{0, 1, 1, 0, 1, 0}));
}

TEST_F(CharGenTest, ALevelUpClosedByTheWindowAppliesAsFinishDoes)
{
    struct Case {
        const char* ending;
    };
    for (const Case c : {Case{"click BtnNext\nclick BtnNext\nclick BtnNext"}, Case{"close"}}) {
        TPlayer member;
        LevelOne(member, "Brenna", 2, "Elf");
        member.mana_max = member.mana = 4;
        TCharGen generator(member);
        generator.PrepareLevelUp();
        Queue(std::string("click SpinMindUp\n") + c.ending);
        generator.Run();
        EXPECT_TRUE(generator.Finished) << c.ending;
        EXPECT_EQ(member.level, 2) << c.ending;
        EXPECT_EQ(member.next_level, 2500) << c.ending;
        EXPECT_EQ(member.mana_max, 4 + 9) << c.ending;
        EXPECT_EQ(member.mana, 4 + 9) << c.ending;
        EXPECT_EQ(member.Abilities[2], 6) << c.ending;
        EXPECT_EQ(member.attack_roll, 2) << c.ending;
    }
}

TEST_F(CharGenTest, ANameIsCutAtTwentyCharactersNotBytes)
{
    Queue(ToAbilities("RadioRace0", "RadioClass1") +
          "click BtnNext\nclick BtnNext\nclick BtnNext\n"
          "type EditName Brunhildeaaaaaaaaaa\xC3\xA9 the Bold\n"
          "click BtnNext");
    TPlayer player;
    ASSERT_TRUE(CreateCharacter(player));
    EXPECT_EQ(player.Name, "Brunhildeaaaaaaaaaa\xC3\xA9");
}

TEST_F(CharGenTest, ImportTakesTheCharacterWholeUnderTheNameGiven)
{
    TCharacterFile character;
    character.Name = "Hrodna";
    character.Race = "Dwarf";
    character.Level = 3;
    character.EnduranceMax = 31;
    character.Endurance = 31;
    character.ClassId = 1;
    character.Skills = {{"Mighty Strike", 6, ""}};
    const std::string dwarf = Folder->Game() + "/Hrodna.chr";
    const std::string orc = Folder->Game() + "/Grusk.chr";
    std::string why;
    ASSERT_TRUE(WriteCharacterFile(dwarf, character, why)) << why;
    character.Race = "Orc";
    ASSERT_TRUE(WriteCharacterFile(orc, character, why)) << why;
    const std::string broken = Folder->Game() + "/broken.chr";
    std::filesystem::copy_file(Folder->Game() + "/data.db", broken);

    struct Case {
        const char* what;
        std::string lines;
        bool finished;
        const char* name;
        int level;
    };
    const Case cases[] = {
        {"named anew", "answer ok " + dwarf + "\nanswer ok  Hilde \n", true, "Hilde", 3},
        {"an empty name is asked again, cancel keeps the file's",
         "answer ok " + dwarf + "\nanswer ok \nanswer cancel\n", true, "Hrodna", 3},
        {"a race this adventure lacks",
         "answer ok " + orc + "\nexpect-box Race :Orc is not defined in this adventure. Cannot continue\nanswer ok\n",
         false, "Hrodna", 3},
        {"a damaged file: the pages stay", "answer ok " + broken + "\nanswer ok\nclick BtnPrevious\n", false, "", 1},
        {"cancelled: the pages stay", "answer cancel\nclick BtnPrevious\n", false, "", 1},
    };
    for (const Case& c : cases) {
        TPlayer player;
        Process().Random.Force({5});
        Queue("click BtnImport\n" + c.lines);
        EXPECT_EQ(CreateCharacter(player), c.finished) << c.what;
        EXPECT_EQ(player.Name, c.name) << c.what;
        EXPECT_EQ(player.level, c.level) << c.what;
        if (c.finished) {
            EXPECT_EQ(player.Gold, 25) << c.what;
            EXPECT_EQ(player.end_max, 31) << c.what;
            ASSERT_EQ(player.Skills.size(), 5u);
            EXPECT_EQ(player.Skills[0].skill_value, 6);
        }
    }
}
