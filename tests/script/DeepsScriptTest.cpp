// The Goblin Deeps' scripts: the risky rests of the warren, the scree chute
// that fills and the crawl that opens, the chief's prisoner's tale told once,
// the people of the pens and the midden, the cult's tokens and the shaman's
// fetish.
#include <gtest/gtest.h>

#include "rules/Creature.h"
#include "script/ScriptCommands.h"
#include "script/ScriptRegistry.h"
#include "support/AreaScriptFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
insert into locations (id, name) values (1301, 'The Breach Tunnel'), (1302, 'The Rubble Stair'),
  (1305, 'The Prospectors'' Camp'), (1306, 'The Midden'), (1311, 'The Pens'), (1318, 'The Chief''s Hoard'),
  (1319, 'The Captive''s Cell'), (1320, 'The Raiders'' Camp'), (1322, 'The Windy Crawl');
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1306, 1302, 'the scree chute', 8, 1),
  (1302, 1306, 'up the scree chute', 5, 1), (1317, 1318, 'the chief''s hall', 4, 1),
  (1322, 1318, 'the crawl behind the plunder', 1, 0);
insert into creature_templates (id, name, endurance, end_max, level) values (30030, 'Goblin Warrior', 9, 9, 1),
  (30034, 'Midden Grub', 8, 8, 1), (30035, 'Cave Bat', 4, 4, 1);
insert into creatures (id, template_id) values (30030, 30030), (30034, 30034), (30035, 30035);
insert into item_templates (id, name, equipped_on) values (21003, 'Healing Draught', 100);
insert into items (id, template_id) values (21311, 21003);
insert into npc_templates (id, name, script_id) values (40030, 'Ennis Cole', 500168), (40031, 'Snikk', 500169);
insert into npcs (id, template_id) values (40030, 40030), (40031, 40031);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1311, 30, 40030, 1), (1306, 30, 40031, 1);
)SQL";

class DeepsScriptTest : public AreaScriptFixture {
protected:
    void SetUp() override
    {
        AreaScriptFixture::SetUp();
        OpenAt(Content, 1301);
    }
};

} // namespace

TEST_F(DeepsScriptTest, RiskyRestsBreakOnTheirPlacesOdds)
{
    const TNight nights[] = {
        {500246, 1301, 49, "Goblin Warrior", 2}, // the breach: one night in two
        {500246, 1301, 50, nullptr, 0},
        {500255, 1306, 49, "Midden Grub", 2},    // the midden's muck
        {500203, 1320, 74, "Goblin Warrior", 4}, // the raiders' camp: three nights in four
        {500203, 1320, 75, nullptr, 0},
        {500202, 1305, 9, "Goblin Warrior", 2},  // the prospectors' camp: one night in ten
        {500202, 1305, 10, nullptr, 0},
    };
    for (const TNight& night : nights)
        ExpectNight(night);
}

TEST_F(DeepsScriptTest, TheScreeChuteFillsBothWaysOnTheFirstWayIntoTheMidden)
{
    Member = &StandAt(1306);
    EXPECT_TRUE(ExitShown(1302, 1306));
    Process().Random.Force({0});
    EXPECT_EQ(Run(seOnFirstEnter, 500255), 1);
    EXPECT_FALSE(ExitShown(1302, 1306));
    EXPECT_FALSE(ExitShown(1306, 1302));
    for (const TLocationExit& exit : GameClient().CurrentLocation->Exits)
        EXPECT_NE(exit.ExitId, 1302);
}

TEST_F(DeepsScriptTest, ThePrisonerTellsOfTheHollowFlameOnceAndTheCrawlOpens)
{
    Member = &StandAt(1319);
    TEntity perrin;
    perrin.Name = "Brother Perrin";
    const std::string tale = "expect-control LblChoice1 caption 1. Who are you?\nchoose 1\n"
                             "expect-control LblChoice1 caption 1. The men in hoods?\nchoose 1";
    EXPECT_FALSE(ExitShown(1318, 1322));
    for (const std::string& choices : {tale, std::string("expect-control LblChoice1 caption 1. Goodbye.\nchoose 1")}) {
        SCOPED_TRACE(choices);
        Queue(choices);
        EXPECT_EQ(Run(seOnDialog, 500197, &perrin), 1);
        EXPECT_EQ(Cmd().GetCounter("hollow_flame_revealed"), 1);
        EXPECT_TRUE(ExitShown(1318, 1322));
        // Met before anyone spoke of him, the quest to find him is opened and
        // closed at once; the quest after the cult stays open.
        EXPECT_EQ(GameClient().Quests,
                  (std::vector<std::string>{"j_deeps_captive=*", "j_after_the_flame=j_after_the_flame.txt"}));
        EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_hollow_flame=j_hollow_flame.txt"});
    }
    EXPECT_EQ(Said("The Hollow Flame, they call themselves."), 1u);
    EXPECT_EQ(Said("Go after them. Up the crawl behind the hoard"), 1u);
}

TEST_F(DeepsScriptTest, ThePrisonerIsAskedAfterOnceFromThePensOrTheMidden)
{
    TEntity snikk;
    snikk.Name = "Snikk";
    TEntity ennis;
    ennis.Name = "Ennis Cole";
    struct Step {
        TEntity* Who;
        int64_t Script;
        const char* Choices;
    };
    const Step steps[] = {
        {&snikk, 500169, "expect-control LblChoice2 caption 2. Who pays your chief?\nchoose 2"},
        {&ennis, 500168, "expect-control LblChoice1 caption 1. We'll cut you loose.\nchoose 1"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Choices);
        Queue(step.Choices);
        EXPECT_EQ(Run(seOnDialog, step.Script, step.Who), 1);
        EXPECT_EQ(GameClient().Quests, std::vector<std::string>{"j_deeps_captive=j_deeps_captive.txt"});
    }
    // The miners are cut loose, once, with Ennis's draught, and leave the pens.
    EXPECT_EQ(Cmd().GetCounter("deeps_pens_freed"), 1);
    EXPECT_TRUE(PartyHasItem(21311));
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_warren_pens=j_warren_pens.txt"});
    EXPECT_EQ(Value("select visible from loc_cont where ctype = 30 and cont_id = 40030"), "0");
    EXPECT_EQ(Value("select visible from loc_cont where ctype = 30 and cont_id = 40031"), "1");
}

TEST_F(DeepsScriptTest, TheCultsTokensAreReadTheFirstTimeTheyAreTaken)
{
    struct Token {
        int64_t Script;
        const char* Reading;
        const char* Entry;
    };
    const Token tokens[] = {
        {500194, "Keep the diggers out of the deep workings", "j_cult_letter=j_cult_letter.txt"},
        {500125, "five peaks in a row, a cairn under the third", "j_flame_sigil=j_flame_sigil.txt"},
    };
    std::vector<std::string> entries;
    for (const Token& token : tokens) {
        SCOPED_TRACE(token.Entry);
        entries.push_back(token.Entry);
        for (int take = 0; take < 2; ++take) {
            EXPECT_EQ(Run(seOnPickUp, token.Script), -1);
            EXPECT_EQ(GameClient().JournalEntries, entries);
        }
        EXPECT_EQ(Said(token.Reading), 1u);
    }
}

TEST_F(DeepsScriptTest, TheFetishDrinksWarmthIntoItsUserUpToItsMost)
{
    struct Case {
        int32_t Before;
        int32_t After;
    };
    TPlayer foe;
    foe.Name = "Wren";
    for (const Case c : {Case{5, 7}, Case{9, 10}, Case{10, 10}}) {
        SCOPED_TRACE(c.Before);
        Member->end_max = 10;
        Member->end = c.Before;
        EXPECT_EQ(Run(seOnExecute, 500146, nullptr, &foe), 1);
        EXPECT_EQ(Member->end, c.After);
    }
    EXPECT_EQ(Said("The fetish drinks the warmth out of Wren into Aldric"), 3u);
}
