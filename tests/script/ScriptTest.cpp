#include <gtest/gtest.h>

#include <set>

#include "rules/Creature.h"
#include "script/ScriptClasses.h"
#include "script/ScriptCommands.h"
#include "script/ScriptRegistry.h"
#include "support/SessionFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
insert into locations (id, name) values (1001, 'The Ember Gate'), (1004, 'The Toll Bridge'), (1005, 'The Wall Walk');
insert into item_templates (id, name, equipped_on) values (21001, 'Lantern', 100), (21002, 'Torch', 100);
insert into items (id, template_id) values (21001, 21001), (21002, 21002), (21104, 21002);
insert into creature_templates (id, name, endurance, end_max, level) values (30007, 'Korra Slate', 9, 9, 2);
insert into creatures (id, template_id) values (30110, 30007);
insert into extended_data (type, id, name, value) values (3, 30110, 'Class', 'WARRIOR'), (3, 30110, 'Experience', '1300');
insert into npc_templates (id, name, script_id) values (40005, 'Korra Slate', 500155);
insert into npcs (id, template_id) values (40005, 40005);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1004, 30, 40005, 1);
insert into texts (id, file, text) values (7, 'epilogue.txt', '~<c:RED>The forges burn again.~<>');
insert into locations (id, name) values (1104, 'The Hunter''s Lodge'), (1106, 'The Wolf Hollow'), (1107, 'The Split Oak'),
  (1111, 'The Troll Bridge Approach'), (1112, 'Under the Troll Bridge'), (1113, 'The Road on toward the Mines');
insert into creature_templates (id, name, endurance, end_max, level) values (30008, 'Grey Wolf', 9, 9, 1),
  (30009, 'Bridge Troll', 14, 14, 4), (30011, 'Tobin Ashby', 7, 7, 1);
insert into creatures (id, template_id) values (30111, 30008), (30112, 30008), (30113, 30011), (30114, 30009);
insert into extended_data (type, id, name, value) values (3, 30113, 'Class', 'THIEF'), (3, 30113, 'Experience', '0');
insert into item_templates (id, name, equipped_on) values (21003, 'Healing Draught', 100);
insert into items (id, template_id) values (21112, 21003);
insert into npc_templates (id, name, script_id) values (40006, 'Aldo Ashby', 500152), (40007, 'Tobin Ashby', 500153);
insert into npcs (id, template_id) values (40006, 40006), (40007, 40007);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1104, 30, 40006, 1), (1106, 20, 30111, 1),
  (1106, 20, 30112, 1), (1107, 30, 40007, 1), (1112, 20, 30114, 1);
insert into locations (id, name) values (1115, 'The Druid''s Grove');
insert into item_templates (id, name, equipped_on) values (21017, 'Prayer Scroll of Mending', 100), (21030, 'Ember Canker', 0);
insert into items (id, template_id) values (21115, 21030), (21116, 21017);
insert into npc_templates (id, name, script_id) values (40008, 'Mother Sorrel', 500154);
insert into locations (id, name) values (1108, 'The Trampled Clearing'), (1120, 'The Ogres'' Den'), (1121, 'The Waggoners'' Shelter'),
  (1126, 'The Miners'' Shrine'), (1127, 'The Mine Road''s End');
insert into creature_templates (id, name, endurance, end_max, level) values (30005, 'Goblin Raider', 9, 9, 1),
  (30010, 'Whisperwood Ogre', 18, 18, 3), (30016, 'Young Ogre', 6, 6, 1);
insert into creatures (id, template_id) values (30005, 30005), (30010, 30010), (30008, 30008), (30016, 30016);
insert into items (id, template_id) values (21120, 21002);
)SQL";

// Counts its runs and frees, and raises on Examine.
int Runs = 0;
int Freed = 0;
class TProbeScript : public TScriptObject {
public:
    ~TProbeScript() override { ++Freed; }
    int32_t OnEnter() override { return ++Runs; }
    int32_t OnExamine() override { throw std::runtime_error("broken script"); }
    int32_t OnExit(int64_t destination) override { return static_cast<int32_t>(destination); }
    int32_t OnCommandLine(const std::string& command) override { return command == "lanternfog" ? 7 : -1; }
};

constexpr int64_t ProbeId = 999001;

class ScriptTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        Member = &StandAt(1001);
        Process().SelectedMember = 1;
        RegisterScriptClass(ProbeId, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TProbeScript>()); });
        Runs = Freed = 0;
    }

    std::unique_ptr<TItem> Stone(int64_t id)
    {
        auto item = std::make_unique<TItem>();
        item->Id = id;
        item->Name = item->RealName = "Stone";
        return item;
    }

    // A fight's end for the creature: out of its place, as a body is.
    void Kill(int64_t locationId, int64_t creatureId)
    {
        Form().LocationManager->GetLocation(locationId)->RemoveCreature(creatureId);
    }

    TPlayer* Member = nullptr;
};

} // namespace

TEST_F(ScriptTest, RunningOnceAndLoaded)
{
    const TScriptParam none;
    EXPECT_EQ(RunScriptOnce(seOnEnter, nullptr, none, nullptr, nullptr, 123456), -1);
    EXPECT_EQ(RunScriptOnce(seOnEnter, nullptr, none, nullptr, nullptr, 0), -1);
    EXPECT_EQ(RunScriptOnce(seOnEnter, nullptr, none, nullptr, nullptr, ProbeId), 1);
    EXPECT_EQ(Freed, 1);
    TScriptParam exit;
    exit.Value = 1004;
    EXPECT_EQ(RunScriptOnce(seOnExit, nullptr, exit, nullptr, nullptr, ProbeId), 1004);
    TScriptParam command;
    command.Text = "lanternfog";
    EXPECT_EQ(RunScriptOnce(seOnCommandLine, nullptr, command, nullptr, nullptr, ProbeId), 7);
    EXPECT_EQ(RunScriptOnce(seOnCommand, nullptr, none, nullptr, nullptr, ProbeId), -1);
    // A one-shot script that raises passes it on, and is freed all the same.
    Freed = 0;
    EXPECT_THROW(RunScriptOnce(seOnExamine, nullptr, none, nullptr, nullptr, ProbeId), std::runtime_error);
    EXPECT_EQ(Freed, 1);

    const int first = LoadScript(ProbeId);
    const int second = LoadScript(ProbeId);
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(RunScript(first, 0, nullptr, none, nullptr, nullptr), -1);
    EXPECT_EQ(RunScript(first, 32, nullptr, none, nullptr, nullptr), -1);
    Runs = 0;
    EXPECT_EQ(RunScript(first, seOnEnter, nullptr, none, nullptr, nullptr), 1);
    EXPECT_EQ(RunScript(first, seOnEnter, nullptr, none, nullptr, nullptr), 2);
    FreeScript(first);
    EXPECT_EQ(LoadedScript(first), nullptr);
    EXPECT_EQ(LoadScript(ProbeId), first);
    FreeScript(-1);

    Queue("expect-box Script Exception Raised : MsgID = 3\nanswer ok\n"
          "expect-box Script ID : 123456 could not be loaded\nanswer ok");
    EXPECT_EQ(RunScript(second, seOnExamine, nullptr, none, nullptr, nullptr), -1);
    EXPECT_EQ(LoadScript(123456), -1);
    EXPECT_EQ(LoadScript(0), -1);
}

TEST_F(ScriptTest, CombatTurnsGoToTheHandler)
{
    const int handle = LoadScript(ProbeId);
    const TScriptParam none;
    EXPECT_EQ(RunScript(handle, seOnCombatMove, nullptr, none, nullptr, nullptr), -1);
    TEntity enemy;
    enemy.Name = "Troll";
    LoadedScript(handle)->CombatTurnHandler = [](TEntity* self, TEntity*) { return self && self->Name == "Troll" ? 1 : 0; };
    EXPECT_EQ(RunScript(handle, seOnCombatMove, Member, none, &enemy, nullptr), 1);
}

TEST_F(ScriptTest, ProxiesReachTheObjects)
{
    auto ring = std::make_unique<TItem>();
    ring->Id = ring->TemplateId = 21001;
    ring->Identified = false;
    ring->EquipSlots = EquipSlotsFromCode(10);
    ring->UsableBy.set();
    TScriptObject script;
    script.SelfProxy.Object = ring.get();
    script.SelfProxy.Identify();
    EXPECT_TRUE(ring->Identified);
    EXPECT_EQ(Value("select cidentified from items where id = 21001"), "1");
    ASSERT_TRUE(Member->Equip(ring, bsLRing));
    script.SenderProxy.Object = Member;
    EXPECT_EQ(script.SenderProxy.FindItemSlot(21001), bsLRing + 1);
    EXPECT_EQ(script.SenderProxy.SkillValue("SK_PICK_LOCK"), -1);
    // Taking the ring frees it: the proxy no longer has an object.
    script.SenderProxy.TakeItem(21001);
    script.SelfProxy.Object = nullptr;
    EXPECT_EQ(Member->BodyItem(bsLRing), &EmptyItem());
    EXPECT_EQ(script.SelfProxy.GetAttribute(30), -10000);
    script.TargetProxy.Object = nullptr;
    EXPECT_EQ(script.TargetProxy.GetName(), "");
    // The base rest writes its refusal.
    EXPECT_EQ(script.OnRest(), -1);
    EXPECT_NE(Screen().find("You may not rest here\n\n"), std::string::npos);
}

TEST_F(ScriptTest, CountersGlobalsGoldAndChance)
{
    TScriptCmd& cmd = Cmd();
    cmd.ChangeCounter("X", true);
    cmd.ChangeCounter("X", true);
    EXPECT_EQ(cmd.GetCounter("X"), 2);
    cmd.ChangeCounter("X", false);
    EXPECT_EQ(cmd.GetCounter("X"), 0);
    cmd.ChangeCounter("", true);
    EXPECT_EQ(cmd.GetCounter(""), 0);

    cmd.SetGlobal("answer", int64_t{42});
    cmd.SetGlobal("name", std::string("Holt"));
    cmd.SetGlobal("answer", true);
    EXPECT_EQ(cmd.GetGlobal("answer"), TVariant(true));
    cmd.DeleteGlobal("answer");
    EXPECT_EQ(Process().GlobalVariables.size(), 1u);
    EXPECT_EQ(cmd.GetGlobal("answer"), TVariant(std::string()));

    cmd.SetGold(-50);
    EXPECT_EQ(cmd.GetGold(), 0);
    cmd.SetGold(75);
    EXPECT_EQ(Form().Control("Gold1").Caption, "75");

    EXPECT_EQ(cmd.RandomRange(3, 3), 3);
    EXPECT_EQ(cmd.RandomRange(5, 2), 0);
    for (int roll = 0; roll < 300; ++roll) {
        const int value = cmd.RandomRange(1, 6);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 6);
    }
    EXPECT_EQ(std::get<std::string>(cmd.GetVariable("ENGINE_VERSION")), "1.6");
    EXPECT_EQ(std::get<std::string>(cmd.GetVariable("engine_version")), "undefined");
    EXPECT_EQ(std::get<int64_t>(cmd.GetVariable("LOC_ID")), 1001);
    EXPECT_EQ(std::get<std::string>(cmd.GetVariable("FRMT_LOC_NAME")), "~<c:#6AD6F4;b;>");

    // A closed session: the game is out of reach, chance and gold are not.
    GameClient().SessionClosed = true;
    cmd.ChangeCounter("Y", true);
    cmd.SetGold(10);
    cmd.Print("nothing");
    EXPECT_EQ(Process().Switches.Exists("Y"), false);
    EXPECT_EQ(cmd.GetGold(), 75);
    EXPECT_EQ(cmd.RandomRange(4, 4), 4);
    EXPECT_EQ(Screen().find("nothing"), std::string::npos);
}

TEST_F(ScriptTest, GiveItem)
{
    Cmd().GiveItem(21002);
    EXPECT_EQ(Member->BackpackItem(1)->Name, "Torch");
    EXPECT_TRUE(PartyHasItem(21002));
    EXPECT_EQ(FindBackpackItem(21002, Member), 1);

    for (int slot = 2; slot <= BackpackSlotCount; ++slot) {
        auto stone = Stone(900 + slot);
        Member->PutInBackpack(stone, slot);
    }
    Cmd().GiveItem(21001);
    EXPECT_NE(Screen().find("Backpack is full. Item dropped"), std::string::npos);
    TLocation& gate = *GameClient().CurrentLocation;
    gate.ShowContents();
    EXPECT_NE(Screen().find("Misc: Lantern"), std::string::npos);

    Queue("expect-box Container not found.\nanswer ok");
    Cmd().GiveItem(777);
    EXPECT_NE(gate.Items[1], nullptr);
}

TEST_F(ScriptTest, RaisingTheDead)
{
    struct Case {
        int endMax;
        int percent;
        int endurance;
    };
    for (const Case& c : {Case{15, 10, 2}, Case{12, 10, 1}, Case{20, 150, 1}, Case{20, 50, 10}}) {
        for (int slot = 2; slot <= MaxPartySize; ++slot)
            Form().Party[slot - 1].reset();
        auto fallen = std::make_unique<TPlayer>();
        fallen->Id = 50002;
        fallen->Name = "Brenna";
        fallen->end_max = c.endMax;
        fallen->States.set(StateDead);
        Data().SavePlayer(fallen.get(), 0);
        auto body = std::unique_ptr<TCreature>(std::move(fallen));
        body->PlacementId = Form().LocationManager->InsertRow(1001, ctDeadPlayer, true, 50002);
        GameClient().CurrentLocation->AddCorpse(std::move(body));
        Queue("select ListBox1 Brenna\nclick Button1");
        Cmd().RaiseDeadMember(c.percent);
        ASSERT_NE(Form().Member(2), nullptr) << c.endMax;
        EXPECT_EQ(Form().Member(2)->end, c.endurance) << c.endMax << " at " << c.percent;
        EXPECT_FALSE(Form().Member(2)->IsDead());
        EXPECT_EQ(Value("select count(*) from loc_cont where cont_id = 50002"), "0");
    }
}

TEST_F(ScriptTest, TheMayorHiresThePartyAndTheGateOpens)
{
    TEntity mayor;
    mayor.Name = "Mayor Harrowgate";
    const TScriptParam none;
    Queue("expect-control LblChoice1 caption 1. What happened in the mines?\n"
          "choose 2\n"
          "expect Fifty crowns\n"
          "expect-control LblChoice1 caption 1. Make it a hundred now.\n"
          "choose 1\n"
          "expect Seventy\n"
          "expect-control LblChoice2 caption 2. We need to think about it.\n"
          "choose 1");
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, &mayor, nullptr, 500128), 1);
    EXPECT_EQ(Cmd().GetCounter("mayor_hired"), 1);
    EXPECT_EQ(Cmd().GetGold(), 70);
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_hired=j_hired.txt"});
    EXPECT_EQ(GameClient().Quests, std::vector<std::string>{"j_mines=j_mines.txt"});
    EXPECT_NE(Screen().find("Your journal has been updated."), std::string::npos);
    EXPECT_EQ(std::get<std::string>(Cmd().GetGlobal("mayor_answer")), "hired");

    TScriptParam toBridge;
    toBridge.Value = 1004;
    EXPECT_EQ(RunScriptOnce(seOnExit, nullptr, toBridge, nullptr, nullptr, 500104), -1);
}

TEST_F(ScriptTest, TheGateRefusesBeforeTheHiringAndTheStairWithoutLight)
{
    TScriptParam toBridge;
    toBridge.Value = 1004;
    EXPECT_EQ(RunScriptOnce(seOnExit, nullptr, toBridge, nullptr, nullptr, 500104), 0);
    EXPECT_NE(Screen().find("Sergeant Holt steps in front of the wicket."), std::string::npos);
    TScriptParam toWall;
    toWall.Value = 1005;
    EXPECT_EQ(RunScriptOnce(seOnExit, nullptr, toWall, nullptr, nullptr, 500104), 0);
    EXPECT_NE(Screen().find("You need some kind of light source."), std::string::npos);
    Cmd().GiveItem(21104);
    EXPECT_EQ(RunScriptOnce(seOnExit, nullptr, toWall, nullptr, nullptr, 500104), -1);
}

TEST_F(ScriptTest, AWaitingMemberAsksToBeTakenBack)
{
    TEntity* standing = LayWaitingMember(*GameClient().CurrentLocation);
    Queue("expect Corwin: Yes? What is it?\n"
          "expect-control LblChoice1 caption 1. Step in Corwin. I have need of you.\n"
          "choose 1");
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, TScriptParam{}, standing, nullptr, WaitingMemberScriptId), 1);
    ASSERT_NE(Form().Member(2), nullptr);
    EXPECT_EQ(Form().Member(2)->Name, "Corwin");
    EXPECT_EQ(GameClient().CurrentLocation->Npcs[0], nullptr);
    EXPECT_EQ(Value("select count(*) from loc_cont where cont_id = 50003"), "0");
}

TEST_F(ScriptTest, KorraIsPaidOnlyWhenSheJoins)
{
    Member = &StandAt(1004);
    TLocation& bridge = *GameClient().CurrentLocation;
    ASSERT_NE(bridge.Npcs[0], nullptr);
    TEntity* korra = bridge.Npcs[0].get();
    const TScriptParam none;
    const std::string hire = "expect-control LblChoice2 caption 2. We could use an axe. Come with us, for forty crowns.\n"
                             "choose 2";

    // Short of her fee: she says so, and stays at the bar.
    Cmd().SetGold(39);
    Queue(hire);
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, korra, nullptr, 500155), 1);
    EXPECT_NE(Screen().find("Forty, I said"), std::string::npos);
    EXPECT_EQ(Form().Member(2), nullptr);
    EXPECT_EQ(Cmd().GetGold(), 39);

    // A full party: the engine refuses her, and nothing is paid.
    for (int slot = 2; slot <= MaxPartySize; ++slot) {
        Form().Party[slot - 1] = std::make_unique<TPlayer>();
        Form().Party[slot - 1]->Id = 60000 + slot;
    }
    Cmd().SetGold(100);
    Queue(hire + "\nexpect-box There is not enough room in your party. You must remove one member first.\nanswer ok");
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, korra, nullptr, 500155), 1);
    EXPECT_EQ(Cmd().GetGold(), 100);
    EXPECT_EQ(Cmd().GetCounter("korra_hired"), 0);
    EXPECT_EQ(bridge.Npcs[0].get(), korra);

    // With room: a level-2 warrior joins, the fee is paid and she leaves the bar.
    for (int slot = 2; slot <= MaxPartySize; ++slot)
        Form().Party[slot - 1].reset();
    Queue(hire);
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, korra, nullptr, 500155), 1);
    ASSERT_NE(Form().Member(2), nullptr);
    EXPECT_EQ(Form().Member(2)->Name, "Korra Slate");
    EXPECT_EQ(Form().Member(2)->ClassId, 1);
    EXPECT_EQ(Form().Member(2)->level, 2);
    EXPECT_EQ(Cmd().GetGold(), 60);
    EXPECT_EQ(Cmd().GetCounter("korra_hired"), 1);
    EXPECT_EQ(bridge.Npcs[0], nullptr);
    EXPECT_EQ(Value("select visible from loc_cont where ctype = 30 and cont_id = 40005"), "0");

    // Once hired, her fee is never asked again.
    TEntity again;
    again.Name = "Korra Slate";
    Queue("expect-control LblChoice2 caption 2. Not now.\nchoose 2");
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, &again, nullptr, 500155), 1);
    EXPECT_EQ(Cmd().GetGold(), 60);
}

TEST_F(ScriptTest, TheHuntersSonComesDownOnlyWhenTheWolvesAreDeadAndJoins)
{
    Member = &StandAt(1107);
    TLocation& oak = *GameClient().CurrentLocation;
    ASSERT_NE(oak.Npcs[0], nullptr);
    TEntity* tobin = oak.Npcs[0].get();
    const TScriptParam none;

    // One wolf left is one too many: he stays up the tree.
    Kill(1106, 30111);
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, tobin, nullptr, 500153), 1);
    EXPECT_NE(Screen().find("Not while they're down there!"), std::string::npos);
    EXPECT_EQ(Form().Member(2), nullptr);
    EXPECT_EQ(Cmd().GetCounter("hunters_son_joined"), 0);

    // Both dead: he joins as a level-1 thief and leaves the oak.
    Kill(1106, 30112);
    Queue("expect-control LblChoice1 caption 1. Come down. They're dead.\nchoose 1");
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, tobin, nullptr, 500153), 1);
    ASSERT_NE(Form().Member(2), nullptr);
    EXPECT_EQ(Form().Member(2)->Name, "Tobin Ashby");
    EXPECT_EQ(Form().Member(2)->ClassId, 4);
    EXPECT_EQ(Form().Member(2)->level, 1);
    EXPECT_EQ(Cmd().GetCounter("hunters_son_joined"), 1);
    EXPECT_EQ(oak.Npcs[0], nullptr);
    EXPECT_EQ(Value("select visible from loc_cont where ctype = 30 and cont_id = 40007"), "0");

    // Found before his father asked: the hunter opens the quest and closes it
    // with his thanks, once.
    TEntity aldo;
    aldo.Name = "Aldo Ashby";
    Queue("expect-control LblChoice1 caption 1. He was up a tree, with wolves under it.\nchoose 1");
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, &aldo, nullptr, 500152), 1);
    EXPECT_EQ(Cmd().GetGold(), 25);
    EXPECT_TRUE(PartyHasItem(21112));
    EXPECT_EQ(GameClient().Quests, std::vector<std::string>{"j_hunters_son=*"});
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_son_home=j_son_home.txt"});
    EXPECT_EQ(Cmd().GetCounter("wood_map_given"), 1);
    Queue("expect-control LblChoice2 caption 2. Goodbye.\nchoose 2");
    EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, &aldo, nullptr, 500152), 1);
    EXPECT_EQ(Cmd().GetGold(), 25);
}

TEST_F(ScriptTest, TheDruidThanksOnceAndOnlyForTheCanker)
{
    struct Step {
        bool GiveCanker;
        std::string Choices; // what she offers first, and what is chosen
        int32_t Asked;
        int32_t Healed;
    };
    const Step steps[] = {
        // Asked before the nest: no thanks to give yet.
        {false,
         "expect-control LblChoice1 caption 1. What is killing them?\nchoose 1\n"
         "expect-control LblChoice1 caption 1. We'll clear the nest.\nchoose 1",
         1, 0},
        {true, "expect-control LblChoice1 caption 1. The spiders were sitting on this.\nchoose 1", 1, 1},
        // Thanked once; the canker is still carried, but there is no second reward.
        {false, "expect-control LblChoice1 caption 1. Goodbye.\nchoose 1", 1, 1},
    };
    Member = &StandAt(1115);
    Member->end_max = 12;
    Member->end = 3; // bitten on the nest
    TEntity sorrel;
    sorrel.Name = "Mother Sorrel";
    const TScriptParam none;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Choices);
        if (step.GiveCanker)
            Cmd().GiveItem(21115);
        Queue(step.Choices);
        EXPECT_EQ(RunScriptOnce(seOnDialog, Member, none, &sorrel, nullptr, 500154), 1);
        EXPECT_EQ(Cmd().GetCounter("druids_grove_quest"), step.Asked);
        EXPECT_EQ(Cmd().GetCounter("druids_grove_healed"), step.Healed);
    }
    // Asked first and thanked after: the quest opened, closed and the entry
    // written once, with one scroll given.
    EXPECT_EQ(GameClient().Quests, std::vector<std::string>{"j_druids_grove=*"});
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_grove_healed=j_grove_healed.txt"});
    EXPECT_TRUE(PartyHasItem(21116));
    EXPECT_GT(Member->end, 3); // and her spring has healed the party
}

TEST_F(ScriptTest, NobodyCrossesTheTrollBridgeWhileTheTrollLives)
{
    struct Case {
        int64_t Destination;
        bool TrollDead;
        int32_t Result;
    };
    const Case cases[] = {
        {1113, false, 0},  // across the bridge: refused
        {1112, false, -1}, // down to the troll: always open
        {1113, true, -1},  // across, once it is dead
    };
    Member = &StandAt(1111);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Destination) + (c.TrollDead ? " troll dead" : " troll alive"));
        if (c.TrollDead)
            Kill(1112, 30114);
        TScriptParam toward;
        toward.Value = c.Destination;
        const size_t written = Screen().size();
        EXPECT_EQ(RunScriptOnce(seOnExit, nullptr, toward, nullptr, nullptr, 500161), c.Result);
        EXPECT_EQ(Screen().find("Nobody crosses while the troll lives.", written) != std::string::npos, c.Result == 0);
    }
}

TEST_F(ScriptTest, ScriptsHoldCreaturesInStatesForAWhile)
{
    Form().EffectsManager = std::make_unique<TEffectsManager>();
    Process().MessageTable[54].Name = "Mending";
    Member->end_max = Member->end = 10;
    TEnemy fallen;
    EXPECT_EQ(Cmd().PartyMember(0), Member);
    EXPECT_EQ(Cmd().PartyMember(1), Member);
    EXPECT_EQ(Cmd().PartyMember(2), nullptr);
    EXPECT_EQ(Cmd().PartyMember(7), nullptr);

    struct Case {
        const char* What;
        TEntity* Creature;
        int32_t State;
        int32_t Rounds;
    };
    TItem stone;
    const Case refused[] = {
        {"no creature", nullptr, 54, 3},
        {"not a creature", &stone, 54, 3},
        {"a creature without endurance", &fallen, 54, 3},
        {"a built-in state", Member, 5, 3},
        {"no state", Member, 256, 3},
        {"no time", Member, 54, 0},
    };
    for (const Case& test : refused) {
        SCOPED_TRACE(test.What);
        Cmd().AddTimedState(test.Creature, test.State, test.Rounds, 7);
        EXPECT_TRUE(LiveEffects().empty());
        EXPECT_FALSE(Member->States.test(test.State & 255));
    }

    Cmd().AddTimedState(Member, 54, 3, 7);
    const auto effects = LiveEffects();
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0]->Kind, 54);
    EXPECT_EQ(effects[0]->Target, Member);
    EXPECT_EQ(effects[0]->Remaining, 42);
    EXPECT_EQ(effects[0]->Period, 14);
    EXPECT_EQ(effects[0]->Counter, -1);
    // Held at once, and told on the panel with its time.
    EXPECT_TRUE(Member->States.test(54));
    EXPECT_EQ(Form().Control("RadioButton1").Hint, "Mending (21 s left),");

    GameClient().SessionClosed = true;
    EXPECT_EQ(Cmd().PartyMember(0), nullptr);
    Cmd().AddTimedState(Member, 51, 3, 7);
    EXPECT_EQ(LiveEffects().size(), 1u);
}

TEST_F(ScriptTest, ChanceCoversEveryInt32Span)
{
    struct Case {
        int32_t low;
        int32_t high;
        int forced;
        int32_t expected;
    };
    // A forced value is brought into the span and counted from its low end.
    for (const Case c : {Case{INT32_MIN, INT32_MAX, -1, INT32_MAX}, Case{INT32_MIN, INT32_MAX, 0, INT32_MIN},
                         Case{-1, INT32_MAX, -1, INT32_MAX}, Case{0, INT32_MAX, -1, INT32_MAX},
                         Case{INT32_MIN, 0, -1, 0}}) {
        Process().Random.Force({c.forced});
        EXPECT_EQ(Cmd().RandomRange(c.low, c.high), c.expected) << c.low << ".." << c.high << " forced " << c.forced;
    }

    // Over the whole range both halves come up, and both quarters of each half.
    Process().Random.Seed(2026);
    std::set<int> quarters;
    for (int roll = 0; roll < 200; ++roll)
        quarters.insert(static_cast<int>((int64_t(Cmd().RandomRange(INT32_MIN, INT32_MAX)) - INT32_MIN) >> 30));
    EXPECT_EQ(quarters, (std::set<int>{0, 1, 2, 3}));
}

TEST_F(ScriptTest, ACutSceneShowsItsTextAsWritten)
{
    // A text the adventure lacks shows nothing: no line is queued for a dialog.
    Cmd().CutScene("Dawn", true, "missing.txt");
    Queue("expect-control LblTitle caption Dawn\n"
          "expect-control Memo1 text ~<c:RED>The forges burn again.~<>\n"
          "close\n"
          "expect-control Memo1 text <b>As given</b>\n"
          "close");
    Cmd().CutScene("Dawn", true, "epilogue.txt");
    Cmd().CutScene("Dusk", false, "<b>As given</b>");
    // Both dialogs took their lines: the box gets its own answer.
    Queue("answer ok");
    Host().MessageDlg("The end", TMsgDlgType::Information, mbOK);
    EXPECT_EQ(TestHost.LastBoxText(), "The end");
}

TEST_F(ScriptTest, RiskyRestsBreakOnTheirOdds)
{
    struct Case {
        int64_t Script;
        int64_t Location;
        std::vector<int> Forced; // each roll is one more than its value above the low end
        const char* Broken; // who walks in, or nothing for a quiet night
        size_t Count;
    };
    const Case cases[] = {
        {500212, 1121, {32}, "Goblin Raider", 2}, // the shelter: broken at 33 and below, one night in three
        {500212, 1121, {33}, nullptr, 0},
        {500311, 1120, {66}, "Whisperwood Ogre", 1}, // the den: two nights in three
        {500311, 1120, {67}, nullptr, 0},
        // The clearing: one night in four; above 40 of a second roll two to
        // four wolves, else four to eight young ogres.
        {500295, 1108, {25}, nullptr, 0},
        {500295, 1108, {24, 40, 0}, "Grey Wolf", 2},
        {500295, 1108, {0, 99, 2}, "Grey Wolf", 4},
        {500295, 1108, {24, 39, 0}, "Young Ogre", 4},
        {500295, 1108, {24, 0, 4}, "Young Ogre", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Script) + " rolls " + std::to_string(c.Forced.front() + 1));
        Member = &StandAt(c.Location);
        Member->end_max = 12;
        Member->end = 2;
        Process().Random.Force(c.Forced);
        const size_t before = Screen().size();
        if (c.Broken)
            Queue("expect-control LblChoice1 caption 1. Continue...\nchoose 1");
        const auto named = [&c] {
            size_t count = 0;
            for (const auto& creature : GameClient().CurrentLocation->Creatures)
                count += creature && c.Broken && creature->Name == c.Broken;
            return count;
        };
        const size_t already = named();
        EXPECT_EQ(RunScriptOnce(seOnRest, Member, TScriptParam{}, nullptr, nullptr, c.Script), 1);
        EXPECT_EQ(named() - already, c.Count);
        EXPECT_EQ(Member->end, c.Broken ? 2 : 12);
        const std::string said = Screen().substr(before);
        EXPECT_EQ(said.find("Your rest is disrupted") != std::string::npos, c.Broken != nullptr);
        if (c.Script == 500295) {
            EXPECT_EQ(said.find("The party rests.") != std::string::npos, !c.Broken);
            EXPECT_EQ(said.find("Ogres attack") != std::string::npos, c.Broken && std::string(c.Broken) == "Young Ogre");
        }
    }
}

TEST_F(ScriptTest, HobbGivesHisTorchOnceAndSellsHisStores)
{
    Member = &StandAt(1126);
    TEntity hobb;
    hobb.Name = "Hobb Gannet";
    const std::string wayDown = "expect-control LblChoice1 caption 1. What happened at the mine?\nchoose 1\n"
                                "expect-control LblChoice1 caption 1. And the fourth shift?\nchoose 1\n"
                                "expect-control LblChoice1 caption 1. How do we get down to them?\nchoose 1";
    struct Step {
        const char* Choices;
        int32_t Given;
        int Torches;
    };
    const Step steps[] = {
        {"expect-control LblChoice3 caption 3. Goodbye.\nchoose 3", 0, 0}, // leaving at once gives nothing
        // His stores open once the talk is over, and give nothing away.
        {"expect-control LblChoice2 caption 2. Have you anything to spare?\nchoose 2\n"
         "expect-control LblShopName caption Hobb's Lamp Stores\nchoose 4",
         0, 0},
        {wayDown.c_str(), 1, 1},
        {wayDown.c_str(), 1, 1}, // asked again, he has no second torch
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Choices);
        Queue(step.Choices);
        EXPECT_EQ(RunScriptOnce(seOnDialog, Member, TScriptParam{}, &hobb, nullptr, 500158), 1);
        EXPECT_EQ(Cmd().GetCounter("miner_torch_given"), step.Given);
        int torches = 0;
        for (int slot = 1; slot <= BackpackSlotCount; ++slot)
            torches += Member->BackpackItem(slot) && Member->BackpackItem(slot)->Name == "Torch";
        EXPECT_EQ(torches, step.Torches);
    }
    EXPECT_NE(Screen().find("Take a light down, or don't go."), std::string::npos);
}

TEST_F(ScriptTest, TheMineGateGoesIntoTheJournalOnce)
{
    Member = &StandAt(1127);
    for (const char* told : {"Whoever barred it did it from the inside", "The mine gate stands shut and barred"}) {
        SCOPED_TRACE(told);
        const size_t written = Screen().size();
        EXPECT_EQ(RunScriptOnce(seOnEnter, Member, TScriptParam{}, nullptr, nullptr, 500178), -1);
        EXPECT_NE(Screen().find(told, written), std::string::npos);
        EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_mine_gate=j_mine_gate.txt"});
        EXPECT_EQ(Cmd().GetCounter("mine_gate_reached"), 1);
    }
}

