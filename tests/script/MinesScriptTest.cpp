// The Ashfang Mines' scripts: the postern's lock, the lift and its handle, the
// rope and the winch of the old shaft, the dark tunnels, the one-way drop and
// the freeing of the fourth shift, the keg of blasting powder and the lamp oil.
#include <gtest/gtest.h>

#include "rules/Creature.h"
#include "rules/Effects.h"
#include "rules/Item.h"
#include "script/ScriptCommands.h"
#include "script/ScriptRegistry.h"
#include "support/SessionFixture.h"
#include "world/Location.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
insert into locations (id, name) values (1127, 'The Mine Road''s End'), (1201, 'The Postern Passage'),
  (1202, 'The Lift-Head'), (1205, 'The Lift Foot'), (1207, 'The Bunkhouse'), (1206, 'The Third Gallery'), (1208, 'The Dark Tunnel'),
  (1209, 'The Old Shaft Head'), (1211, 'The Shaft Bottom'), (1212, 'The Flooded Gallery'),
  (1213, 'The Black Drift'), (1214, 'The Broken Ladderway'), (1215, 'The Beetle Cave'),
  (1216, 'The Seventh Gallery'), (1218, 'The Shored Gallery'), (1219, 'The Ninth Gallery'),
  (1220, 'The Old Working'), (1230, 'The Goblin Breach');
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1201, 1127, 'through the postern', 11, 0),
  (1211, 1209, 'down the rope', 10, 0), (1215, 1218, 'the crawl-way', 1, 0), (1218, 1215, 'the crawl-way', 3, 0);
insert into item_templates (id, name, equipped_on) values (21002, 'Torch', 9), (21041, 'Lever Handle', 0),
  (21042, 'Shaft Rope', 0), (21043, 'Shaft Winch', 0), (21044, 'Weighman''s Key', 0);
insert into items (id, template_id) values (21208, 21002), (21203, 21041), (21204, 21042), (21205, 21043),
  (21206, 21044);
insert into npc_templates (id, name, script_id) values (40020, 'Wat Colley', 500171), (40021, 'Garrick Harrowgate', 500162),
  (40022, 'Nell Fairweather', 500163), (40023, 'Dunmore Pike', 500164), (40024, 'Ollo Brask', 500165);
insert into npcs (id, template_id) select id, id from npc_templates;
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1207, 30, 40020, 1), (1218, 30, 40021, 1),
  (1218, 30, 40022, 1), (1218, 30, 40023, 1), (1218, 30, 40024, 1);
)SQL";

constexpr const char* TooDark = "It is too dark to proceed. You need some kind of light source.";

class MinesScriptTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        Member = &StandAt(1127);
        Process().SelectedMember = 1;
    }

    int32_t Run(int event, int64_t script, TEntity* self = nullptr, TEntity* target = nullptr, int64_t value = 0)
    {
        TScriptParam param;
        param.Value = value;
        return RunScriptOnce(event, Member, param, self, target, script);
    }

    // What the last call wrote, from the given mark on.
    std::string Since(size_t mark) { return Screen().substr(mark); }

    TItem* Carried(const std::string& name)
    {
        for (int slot = 1; slot <= BackpackSlotCount; ++slot)
            if (Member->BackpackItem(slot) && Member->BackpackItem(slot)->Name == name)
                return Member->BackpackItem(slot);
        return nullptr;
    }
    bool Carries(const std::string& name) { return Carried(name) != nullptr; }

    std::string ExitShown(int64_t from, int64_t to)
    {
        return Value("select visible from exits where loc_id = " + std::to_string(from) +
                     " and exit_id = " + std::to_string(to));
    }

    TPlayer* Member = nullptr;
};

} // namespace

TEST_F(MinesScriptTest, TheDarkTunnelsLetThePartyOnOnlyWithALight)
{
    struct Case {
        int64_t Script;
        int64_t Place;
        int64_t Back;
        int64_t On;
    };
    const Case tunnels[] = {
        {500198, 1208, 1206, 1209}, // the dark tunnel past the third gallery
        {500199, 1213, 1212, 1214}, // the black drift
        {500200, 1219, 1218, 1220}, // the ninth gallery
        {500201, 1230, 1220, 1301}, // the goblins' breach, and whatever lies below it
    };
    for (const bool lit : {false, true}) {
        for (const Case& tunnel : tunnels) {
            SCOPED_TRACE(std::to_string(tunnel.Script) + (lit ? " with a torch" : " in the dark"));
            Member = &StandAt(tunnel.Place);
            if (lit)
                Cmd().GiveItem(21208);
            const size_t mark = Screen().size();
            EXPECT_EQ(Run(seOnExit, tunnel.Script, nullptr, nullptr, tunnel.Back), -1);
            EXPECT_EQ(Run(seOnExit, tunnel.Script, nullptr, nullptr, tunnel.On), lit ? -1 : 0);
            // An empty line, then the refusal.
            EXPECT_EQ(Since(mark), lit ? "" : std::string("\n") + TooDark + "\n\n");
        }
    }
}

TEST_F(MinesScriptTest, TheDropAtTheLadderwayIsOneWay)
{
    Member = &StandAt(1214);
    size_t mark = Screen().size();
    EXPECT_EQ(Run(seOnExit, 500204, nullptr, nullptr, 1213), -1);
    EXPECT_EQ(Since(mark), "");
    EXPECT_EQ(Run(seOnExit, 500204, nullptr, nullptr, 1216), -1);
    EXPECT_NE(Since(mark).find("There is no going back up that way."), std::string::npos);
}

TEST_F(MinesScriptTest, TheLiftGoesOnlyWithItsHandleAndBothWays)
{
    Member = &StandAt(1202);
    TEntity lever;
    lever.Name = "Lift Lever";
    size_t mark = Screen().size();
    EXPECT_EQ(Run(seOnUse, 500181, &lever), 1);
    EXPECT_NE(Since(mark).find("The lever's socket is empty."), std::string::npos);
    EXPECT_EQ(Cmd().GetCounter("lift_lever_fitted"), 0);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1202);

    Cmd().GiveItem(21203);
    mark = Screen().size();
    EXPECT_EQ(Run(seOnExamine, 500181, &lever), 1);
    EXPECT_NE(Since(mark).find("The handle you found in the coal bunker is the one."), std::string::npos);
    EXPECT_EQ(Run(seOnUse, 500181, &lever), 1);
    EXPECT_FALSE(Carries("Lever Handle"));
    EXPECT_EQ(Cmd().GetCounter("lift_lever_fitted"), 1);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1205);
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_mine_lift=j_mine_lift.txt"});

    // At the foot the lever sends the cage up, and the journal has it once.
    EXPECT_EQ(Run(seOnUse, 500181, &lever), 1);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1202);
    EXPECT_EQ(Run(seOnUse, 500181, &lever), 1);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1205);
    EXPECT_EQ(GameClient().JournalEntries.size(), 1u);
}

TEST_F(MinesScriptTest, TheWinchNeedsTheRopeToOpenTheOldShaft)
{
    Member = &StandAt(1209);
    TItem winch;
    winch.Name = "Shaft Winch";
    winch.Id = 21205;
    winch.TemplateId = 21043;
    TItem torch;
    torch.Name = "Torch";
    torch.TemplateId = 21002;

    size_t mark = Screen().size();
    EXPECT_EQ(Run(seOnUse, 500185, &winch), 1);
    EXPECT_NE(Since(mark).find("Without a rope the winch is no use."), std::string::npos);
    EXPECT_EQ(ExitShown(1209, 1211), "0");

    Cmd().GiveItem(21204);
    TItem* rope = Carried("Shaft Rope");
    ASSERT_NE(rope, nullptr);
    EXPECT_EQ(Run(seOnUseWith, 500184, rope, &torch), -1); // anything else: nothing happens
    EXPECT_TRUE(Carries("Shaft Rope"));
    EXPECT_EQ(Run(seOnUseWith, 500184, rope, &winch), 1);
    EXPECT_FALSE(Carries("Shaft Rope"));
    EXPECT_EQ(Cmd().GetCounter("shaft_rope_on_winch"), 1);

    for (const char* told : {"The way down is open.", "The rope hangs ready down the shaft."}) {
        mark = Screen().size();
        EXPECT_EQ(Run(seOnUse, 500185, &winch), 1);
        EXPECT_NE(Since(mark).find(told), std::string::npos);
        EXPECT_EQ(ExitShown(1209, 1211), "1");
    }
}

TEST_F(MinesScriptTest, ThePosternOpensToTheKeyOrToAPractisedPick)
{
    struct Case {
        int Event;
        bool Key;
        int32_t PickLock; // the member's skill, 0 for none
        std::vector<int> Forced; // a pick's roll of 1..10 is one more than this
        bool Opens;
        const char* Told;
    };
    const Case cases[] = {
        {seOnUnlock, false, 0, {}, false, "None of the keys you carry"},
        {seOnUnlock, true, 0, {}, true, "tries the weighman's key"},
        {seOnPickLock, false, 0, {}, false, "until the pick slips on the rust"},
        {seOnPickLock, false, 2, {7}, false, "until the pick slips on the rust"}, // 8 is above 5 + 2
        {seOnPickLock, false, 2, {6}, true, "The rusted wards give one by one"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Told);
        Member = &StandAt(1127);
        Member->Name = "Wren";
        if (c.PickLock > 0)
            Member->Skills.push_back({"Pick Lock", c.PickLock, ""});
        if (c.Key)
            Cmd().GiveItem(21206);
        Cmd().SetCounter("mine_postern_open", 0);
        Db().Execute("update exits set visible = 0 where loc_id = 1127");
        GameClient().JournalEntries.clear();
        TItem postern;
        postern.Name = "Iron Postern";
        postern.Container = std::make_unique<TContRec>();
        postern.Container->Locked = true;
        Process().Random.Force(c.Forced);
        const size_t mark = Screen().size();
        EXPECT_EQ(Run(c.Event, 500166, &postern), 1);
        EXPECT_NE(Since(mark).find(c.Told), std::string::npos);
        EXPECT_EQ(postern.Container->Locked, !c.Opens);
        EXPECT_EQ(ExitShown(1127, 1201), c.Opens ? "1" : "0");
        EXPECT_EQ(GameClient().JournalEntries.size(), c.Opens ? 1u : 0u);
        if (!c.Opens)
            continue;
        // Open, it stays open, and the road's end says so.
        EXPECT_EQ(Run(seOnPickLock, 500166, &postern), 1);
        EXPECT_NE(Screen().find("The postern is already unlocked.", mark), std::string::npos);
        EXPECT_EQ(Run(seOnEnter, 500178), -1);
        EXPECT_NE(Screen().find("the iron postern beside it stands open", mark), std::string::npos);
    }
}

TEST_F(MinesScriptTest, FreeingTheFourthShiftCompletesTheMayorsQuest)
{
    Cmd().AddQuest("j_mines", "j_mines.txt");
    Member = &StandAt(1207);
    TEntity wat;
    wat.Name = "Wat Colley";
    for (const char* told : {"Tell my mother...", "Wat Colley is dead."}) {
        const size_t mark = Screen().size();
        EXPECT_EQ(Run(seOnDialog, 500171, &wat), 1);
        EXPECT_NE(Since(mark).find(told), std::string::npos);
        EXPECT_EQ(Cmd().GetCounter("dying_miner_spoke"), 1);
    }
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_dying_miner=j_dying_miner.txt"});

    Member = &StandAt(1218);
    TEntity garrick;
    garrick.Name = "Garrick Harrowgate";
    Queue("expect-control LblChoice2 caption 2. Your father sent us. You can come out now.\nchoose 2");
    EXPECT_EQ(Run(seOnDialog, 500162, &garrick), 1);
    EXPECT_EQ(GameClient().Quests, std::vector<std::string>{"j_mines=*"});
    EXPECT_EQ(Cmd().GetCounter("miners_freed"), 1);
    EXPECT_EQ(GameClient().JournalEntries.back(), "j_miners_freed=j_miners_freed.txt");
    EXPECT_EQ(ExitShown(1218, 1215), "1");
    EXPECT_EQ(ExitShown(1215, 1218), "1");
    EXPECT_EQ(Value("select count(*) from loc_cont where loc_id = 1218 and ctype = 30 and visible = 1"), "0");

    // Asked again he only bids the party go carefully; the quest stays done once.
    const size_t mark = Screen().size();
    EXPECT_EQ(Run(seOnDialog, 500162, &garrick), 1);
    EXPECT_NE(Since(mark).find("Go carefully down there."), std::string::npos);
    EXPECT_EQ(GameClient().Quests, std::vector<std::string>{"j_mines=*"});
}

TEST_F(MinesScriptTest, TheBlastKnocksEachEnemyItReachesOffItsFeet)
{
    Form().EffectsManager = std::make_unique<TEffectsManager>();
    TEnemy sapper;
    sapper.Name = "Goblin Sapper";
    sapper.end_max = sapper.end = 12;
    EXPECT_EQ(RunScriptOnce(seOnExecute, Member, TScriptParam{}, nullptr, &sapper, 500139), 1);
    EXPECT_TRUE(sapper.States.test(10));
    EXPECT_NE(Screen().find("The blast throws Goblin Sapper off its feet"), std::string::npos);
}

TEST_F(MinesScriptTest, TheLampOilGoesOnBurning)
{
    Form().EffectsManager = std::make_unique<TEffectsManager>();
    TEnemy crawler;
    crawler.Name = "Cave Crawler";
    crawler.end_max = crawler.end = 7;
    EXPECT_EQ(RunScriptOnce(seOnExecute, Member, TScriptParam{}, nullptr, &crawler, 500140), 1);
    EXPECT_NE(Screen().find("The burning oil clings to Cave Crawler"), std::string::npos);
    const auto burning = LiveEffects();
    ASSERT_EQ(burning.size(), 1u);
    EXPECT_EQ(burning[0]->Target, &crawler);
}
