// The Ashfang Slopes' scripts: the risky rests of the mountainside, the
// stile that shows the town's way up once it is come down, the hermit's riddle
// tried wrongly and rightly, the mayor's seal handed over once the cult is
// known, the quest for it opened once, and the ruin's stair that waits for it.
#include <gtest/gtest.h>

#include "script/ScriptCommands.h"
#include "script/ScriptRegistry.h"
#include "support/AreaScriptFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
insert into locations (id, name) values (1005, 'The Wall Walk'), (1008, 'The Mayor''s Hall'),
  (1401, 'The Shaft Head'), (1402, 'The Heather Slope'), (1406, 'The Hermit''s Cell'), (1408, 'The Summer Hut'),
  (1410, 'The Shepherds'' Stile'), (1411, 'The Ridge Path'), (1412, 'The Harpy Crag'), (1414, 'The Old Temple''s Ruin');
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1410, 1005, 'the shepherds'' stile', 9, 0),
  (1005, 1410, 'over the stile to the town wall', 10, 1);
insert into creature_templates (id, name, endurance, end_max, level) values (30040, 'Rock Goblin', 10, 10, 2),
  (30041, 'Mountain Wolf', 11, 11, 2), (30042, 'Crag Harpy', 14, 14, 2);
insert into creatures (id, template_id) values (30040, 30040), (30041, 30041), (30042, 30042);
insert into item_templates (id, name, equipped_on) values (21005, 'The Mayor''s Seal', 0),
  (21060, 'Sprig of Mountain Ash', 100);
insert into items (id, template_id) values (21107, 21005), (21060, 21060);
)SQL";

constexpr int64_t Mayor = 500128;
constexpr int64_t Hermit = 500244;

class SlopesScriptTest : public AreaScriptFixture {
protected:
    void SetUp() override
    {
        AreaScriptFixture::SetUp();
        OpenAt(Content, 1401);
    }
};

} // namespace

TEST_F(SlopesScriptTest, RiskyRestsBreakOnTheirPlacesOdds)
{
    const TNight nights[] = {
        {500232, 1402, 49, "Mountain Wolf", 2}, // the heather: one night in two
        {500232, 1402, 50, nullptr, 0},
        {500240, 1411, 66, "Mountain Wolf", 3}, // the ridge: two nights in three, and a bigger pack
        {500240, 1411, 67, nullptr, 0},
        {500241, 1412, 74, "Crag Harpy", 2},    // under the harpies' crag: three nights in four
        {500229, 1408, 9, "Mountain Wolf", 2},  // the shepherds' hut: one night in ten
        {500229, 1408, 10, nullptr, 0},
    };
    for (const TNight& night : nights)
        ExpectNight(night);
}

TEST_F(SlopesScriptTest, TheStileShowsTheWallWalksWayUpOnceComeDown)
{
    Member = &StandAt(1410);
    EXPECT_FALSE(ExitShown(1005, 1410));
    EXPECT_EQ(Run(seOnFirstEnter, 500239), 1);
    EXPECT_TRUE(ExitShown(1005, 1410));
    EXPECT_EQ(Said("onto the town's own wall walk"), 1u);
}

TEST_F(SlopesScriptTest, TheHermitsRiddleCanBeTriedAgainUntilItIsAnswered)
{
    Member = &StandAt(1406);
    TEntity anselm;
    anselm.Name = "Old Anselm";
    struct Try {
        const char* Answer; // the choice picked after "Ask your riddle."
        bool Solved;
    };
    const Try tries[] = {
        {"expect-control LblChoice1 caption 1. A forge gone cold.\nchoose 1", false},
        {"expect-control LblChoice2 caption 2. The Ember Lamp in the square.\nchoose 2", false},
        {"expect-control LblChoice3 caption 3. The Hollow Flame.\nchoose 3", true},
    };
    for (const Try& attempt : tries) {
        SCOPED_TRACE(attempt.Answer);
        Queue(std::string("expect-control LblChoice1 caption 1. Ask your riddle.\nchoose 1\n") + attempt.Answer);
        EXPECT_EQ(Run(seOnDialog, Hermit, &anselm), 1);
        EXPECT_EQ(Cmd().GetCounter("hermit_riddle_solved"), attempt.Solved ? 1 : 0);
        EXPECT_EQ(PartyHasItem(21060), attempt.Solved);
        EXPECT_EQ(GameClient().Quests, std::vector<std::string>{attempt.Solved ? "j_hermits_riddle=*"
                                                                             : "j_hermits_riddle=j_hermits_riddle.txt"});
    }
    EXPECT_EQ(Said("A fair guess, but that isn't it."), 2u);
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_riddle_answered=j_riddle_answered.txt"});
    // Answered, he only points the way.
    EXPECT_EQ(Run(seOnDialog, Hermit, &anselm), 1);
    EXPECT_EQ(Said("Under the third peak, counted from the sunset side."), 1u);
}

TEST_F(SlopesScriptTest, TheMayorHandsOverHisSealOnceTheCultIsKnown)
{
    Member = &StandAt(1008);
    TEntity mayor;
    mayor.Name = "Mayor Harrowgate";
    Cmd().ChangeCounter("mayor_hired", true);
    // Before the prisoner's tale he has only his old word for the party.
    EXPECT_EQ(Run(seOnDialog, Mayor, &mayor), 1);
    EXPECT_FALSE(PartyHasItem(21005));
    Cmd().ChangeCounter("hollow_flame_revealed", true);
    for (int visit = 0; visit < 2; ++visit) {
        SCOPED_TRACE(visit);
        if (visit == 0)
            Queue("expect-control LblChoice1 caption 1. A cult called the Hollow Flame is under the mountain.\n"
                  "choose 1");
        EXPECT_EQ(Run(seOnDialog, Mayor, &mayor), 1);
        EXPECT_TRUE(PartyHasItem(21005));
        EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_mayors_seal=j_mayors_seal.txt"});
    }
    EXPECT_EQ(Said("The mayor gives you the Mayor's Seal."), 1u);
}

TEST_F(SlopesScriptTest, TheTownsSealIsSoughtOnceAndFoundAtTheMayors)
{
    TEntity hesk;
    hesk.Name = "Mother Hesk";
    TEntity mayor;
    mayor.Name = "Mayor Harrowgate";
    const std::string told = "expect-control LblChoice1 caption 1. What was this place?\nchoose 1";
    const std::string handed = "expect-control LblChoice1 caption 1. A cult called the Hollow Flame is under the "
                               "mountain.\nchoose 1";
    struct Step {
        int64_t Script;
        TEntity* Self;
        std::string Choices;
        std::vector<std::string> Quests;
    };
    // The pilgrim's word and the sisters' note both tell of the seal; the quest
    // opens once, and the mayor's handing it over closes it.
    const Step steps[] = {
        {500170, &hesk, told, {"j_the_towns_seal=j_the_towns_seal.txt"}},
        {500135, nullptr, "", {"j_the_towns_seal=j_the_towns_seal.txt"}},
        {Mayor, &mayor, handed, {"j_the_towns_seal=*"}},
        {500170, &hesk, told, {"j_the_towns_seal=*"}},
    };
    Member = &StandAt(1414);
    Cmd().ChangeCounter("mayor_hired", true);
    Cmd().ChangeCounter("hollow_flame_revealed", true);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Script);
        Queue(step.Choices);
        EXPECT_EQ(Run(step.Script == 500135 ? seOnOpen : seOnDialog, step.Script, step.Self), 1);
        EXPECT_EQ(GameClient().Quests, step.Quests);
    }
    EXPECT_EQ(Said("so that the crypt be never opened by one hand alone"), 1u);
    EXPECT_EQ(GameClient().JournalEntries,
              (std::vector<std::string>{"j_sisters_note=j_sisters_note.txt", "j_mayors_seal=j_mayors_seal.txt"}));
}

TEST_F(SlopesScriptTest, TheRuinsStairWaitsForTheSeal)
{
    Member = &StandAt(1414);
    EXPECT_EQ(Run(seOnEnter, 500265), -1);
    EXPECT_EQ(Said("a stair goes down under the ruin"), 1u);
    Cmd().ChangeCounter("mayors_seal_given", true);
    EXPECT_EQ(Run(seOnEnter, 500265), -1);
    EXPECT_EQ(Said("The Mayor's Seal is heavy in your pack."), 1u);
}
