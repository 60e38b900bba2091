#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "rules/Creature.h"
#include "script/ScriptClasses.h"
#include "script/ScriptRegistry.h"
#include "support/SessionFixture.h"
#include "world/Location.h"
#include "world/LocationActions.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
insert into texts (id, file, text) values
  (7, 'altar.txt', 'A stone altar.' || char(10) || 'Runes run round it.'),
  (8, 'coin.txt', 'A worn coin.'),
  (9, 'guard.txt', 'A bored guard.');
)SQL";

// Every event the recording script received, as "event sender/self/target".
std::vector<std::string> Fired;
// What the recording script answers, by event; -1 for the others.
std::map<std::string, int32_t> Answers;
// Runs inside the script, after the event is noted.
std::function<void(const std::string& event)> During;

class TRecordingScript : public TScriptObject {
public:
    int32_t OnExamine() override { return Note("OnExamine"); }
    int32_t OnDialog() override { return Note("OnDialog"); }
    int32_t OnOpen() override { return Note("OnOpen"); }
    int32_t OnPickUp() override { return Note("OnPickUp"); }
    int32_t OnUnlock() override { return Note("OnUnlock"); }
    int32_t OnUse() override { return Note("OnUse"); }
    int32_t OnPickLock() override { return Note("OnPickLock"); }
    int32_t OnRemoveTrap() override { return Note("OnRemoveTrap"); }
    int32_t OnRest() override { return Note("OnRest"); }
    int32_t OnMessage(int32_t code) override { return Note("OnMessage" + std::to_string(code)); }
    int32_t OnLook() override { return Note("OnLook"); }
    int32_t OnTakeOut() override { return Note("OnTakeOut"); }

private:
    int32_t Note(const std::string& event)
    {
        auto name = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
        Fired.push_back(event + " " + name(SenderProxy.GetName()) + "/" + name(SelfProxy.GetName()) + "/" +
                        name(TargetProxy.GetName()));
        if (During)
            During(event);
        const auto answer = Answers.find(event);
        return answer == Answers.end() ? -1 : answer->second;
    }
};

constexpr int64_t RecorderId = 990001;
// A class that handles nothing: Rest falls back to the base answer.
constexpr int64_t SilentId = 990002;

class LocationActionsTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        Form().LocationManager = std::make_unique<TLocationManager>();
        RegisterScriptClass(RecorderId,
                            [] { return std::unique_ptr<TScriptObject>(std::make_unique<TRecordingScript>()); });
        RegisterScriptClass(SilentId, [] { return std::make_unique<TScriptObject>(); });
        Fired.clear();
        Answers.clear();
        During = nullptr;
        Here.Id = 1001;
        Here.Name = "The Ember Gate";
        Here.Brief = "Smoke rises.";
        Here.DescText = {"The gate is shut."};
        Here.ScriptId = RecorderId;
        auto player = std::make_unique<TPlayer>();
        player->Name = "Aldric";
        player->Id = 50001;
        GameClient().AddPartyMember(player, 1);
        Member = Form().Member(1);
        // Each wait for a pick takes the next of Picks and keeps the list it answers.
        TestHost.SetLineSource([this](const std::string&) -> std::optional<std::string> {
            Shown.push_back(ShownList());
            if (Picks.empty())
                return std::nullopt;
            const int pick = Picks.front();
            Picks.erase(Picks.begin());
            return "choose " + std::to_string(pick);
        });
    }

    // The entries of the choice labels, without their numbers, joined by "|".
    std::string ShownList()
    {
        std::string list;
        for (int number = 1;; ++number) {
            const TControlState* label = Form().Find("LblChoice" + std::to_string(number));
            if (!label || label->Caption.empty())
                return list;
            list += (number > 1 ? "|" : "") + label->Caption.substr(label->Caption.find(". ") + 2);
        }
    }

    // What was written since the last click began.
    std::string Output() { return Form().RichEdit1.WrittenText(Mark); }

    // Clicks the button with the picks queued; every wait beyond them fails the test.
    void Click(const std::string& button, std::vector<int> picks = {})
    {
        Picks = std::move(picks);
        Shown.clear();
        Form().RichEdit1.Clear();
        Mark = Form().RichEdit1.WrittenCount();
        ASSERT_TRUE(Form().Click(button)) << button;
        EXPECT_TRUE(Picks.empty()) << button << " left picks unused";
        EXPECT_TRUE(Form().Control("PanelButtons").Visible) << button;
    }

    TItem* Lay(std::unique_ptr<TItem> item)
    {
        TItem* laid = item.get();
        Form().LocationManager->PlaceEntity(laid, Here.Id, true);
        Here.AddItem(std::move(item));
        return laid;
    }

    TItem* LayItem(const std::string& name, int64_t id, bool stationary = false)
    {
        auto item = std::make_unique<TItem>();
        item->Name = item->RealName = name;
        item->Id = id;
        item->stationary = stationary;
        item->ScriptId = RecorderId;
        return Lay(std::move(item));
    }

    TItem* LayContainer(const std::string& name, int64_t id, bool open, bool locked = false)
    {
        TItem* container = LayItem(name, id);
        container->Container = std::make_unique<TContRec>();
        container->Container->Open = open;
        container->Container->Locked = locked;
        container->Container->Contents.resize(3);
        return container;
    }

    // An unidentified item, known by what it looks like.
    TItem* LayStrangeScroll()
    {
        TItem* scroll = LayItem("Scroll of Mending", 21010);
        scroll->Identified = false;
        scroll->NotIdentifiedName = "Strange Scroll";
        return scroll;
    }

    TEntity* LayNpc(const std::string& name, int32_t descId = 0)
    {
        auto npc = std::make_unique<TEntity>();
        npc->Name = name;
        npc->Id = 40001;
        npc->ScriptId = RecorderId;
        npc->DescId = descId;
        TEntity* laid = npc.get();
        Here.AddNpc(std::move(npc));
        return laid;
    }

    TCreature* LayBody(const std::string& name)
    {
        auto body = std::make_unique<TEnemy>();
        body->Name = name;
        body->Id = 30101;
        body->ScriptId = RecorderId;
        TCreature* laid = body.get();
        Here.AddCorpse(std::move(body));
        return laid;
    }

    void FillBackpack()
    {
        for (int slot = 1; slot <= BackpackSlotCount; ++slot) {
            auto stone = std::make_unique<TItem>();
            stone->Name = stone->RealName = "Stone";
            Member->PutInBackpack(stone, slot);
        }
    }

    std::string Rows(int64_t placement)
    {
        return Value("select count(*) from loc_cont where ROWID = " + std::to_string(placement));
    }

    TPlayer* Member = nullptr;
    std::vector<int> Picks;
    std::vector<std::string> Shown;
    size_t Mark = 0;
};

using Lists = std::vector<std::string>;
using Events = std::vector<std::string>;

} // namespace

TEST_F(LocationActionsTest, EveryActionWaitsForTheCommonPreconditions)
{
    LayContainer("Chest", 20001, true);
    LayNpc("Guard");
    LayBody("Bandit");
    const char* const Buttons[] = {"BtnGet",    "BtnLook",  "BtnPickup",  "BtnContents", "BtnOpen",
                                   "BtnTalk",   "BtnUnlock", "BtnUse",    "BtnExamine",  "BtnRest"};
    struct Case {
        const char* What;
        std::function<void()> Break;
        std::function<void()> Mend;
    };
    const Case Cases[] = {
        {"no current location", [] { GameClient().CurrentLocation = nullptr; },
         [this] { GameClient().CurrentLocation = &Here; }},
        {"the selector is off", [this] { Form().Control("RadioButton1").Enabled = false; },
         [this] { Form().Control("RadioButton1").Enabled = true; }},
        {"no member in the selected slot", [] { Process().SelectedMember = 3; }, [] { Process().SelectedMember = 1; }},
    };
    for (const Case& c : Cases) {
        c.Break();
        for (const char* button : Buttons) {
            Click(button);
            EXPECT_EQ(Output(), "") << button << " with " << c.What;
        }
        c.Mend();
    }
    EXPECT_EQ(Fired, Events{});
}

TEST_F(LocationActionsTest, PendingChoicesAndAClosedBookStopSomeActions)
{
    LayContainer("Chest", 20001, true);
    LayNpc("Guard");
    LayBody("Bandit");
    Options().ShowChoice("Ask about the mines");
    for (const char* button : {"BtnGet", "BtnPickup", "BtnContents", "BtnOpen", "BtnTalk", "BtnUnlock", "BtnUse",
                               "BtnExamine"}) {
        Click(button);
        EXPECT_EQ(Output(), "") << button;
    }
    EXPECT_EQ(ChoosePickLockTarget(), nullptr);
    EXPECT_EQ(ChooseRemoveTrapsTarget(Member), nullptr);
    // Look and Rest do not need the choice box.
    Click("BtnLook");
    Click("BtnRest");
    EXPECT_EQ(Fired, (Events{"OnLook -/-/-", "OnRest -/-/-"}));
    Options().ClearLabels();

    Fired.clear();
    Process().GameDir.clear();
    for (const char* button : {"BtnGet", "BtnLook", "BtnRest"}) {
        Click(button);
        EXPECT_EQ(Output(), "") << button;
    }
    EXPECT_EQ(Fired, Events{});
}

TEST_F(LocationActionsTest, LookWritesThePartsTheLocationAsksFor)
{
    LayItem("Lantern", 21001);
    const std::string framing = "\n[ Aldric: Look ]\n\n";
    struct Case {
        int64_t ScriptId;
        int32_t Answer;
        bool Described;
        std::string Then;
    };
    const Case Cases[] = {
        {0, 0, true, "The Ember Gate\nThe gate is shut.\nMisc: Lantern\n"},
        {RecorderId, 5, true, "The Ember Gate\nMisc: Lantern\n"},
        {RecorderId, 0, true, ""},
        {RecorderId, 2, true, "The gate is shut.\n"},
        {RecorderId, 6, false, "Smoke rises.\nMisc: Lantern\n"},
        {RecorderId, 8, true, ""},
        {RecorderId, -1, true, "The Ember Gate\nThe gate is shut.\nMisc: Lantern\n"},
    };
    for (const Case& c : Cases) {
        Here.ScriptId = c.ScriptId;
        Answers["OnLook"] = c.Answer;
        Here.DescText = c.Described ? std::vector<std::string>{"The gate is shut."} : std::vector<std::string>{};
        Click("BtnLook");
        EXPECT_EQ(Output(), framing + c.Then) << "script " << c.ScriptId << " answering " << c.Answer;
    }
    EXPECT_EQ(Form().RichEdit1.Paragraphs()[1].Runs[0].Font.Color, 0x8FBC8Bu);
}

TEST_F(LocationActionsTest, PickUpMovesTheItemIntoTheBackpack)
{
    TItem* lantern = LayItem("Lantern", 21001);
    LayItem("Altar", 21002, true);
    const int64_t row = lantern->PlacementId;
    ASSERT_EQ(Rows(row), "1");

    Click("BtnPickup", {2});
    EXPECT_EQ(Shown, Lists{"Cancel|Lantern"});
    EXPECT_EQ(Output(), "\n[ Aldric: Pick Up Lantern ]\n\nLantern picked up by Aldric\n");
    EXPECT_EQ(Fired, (Events{"OnPickUp Aldric/-/Lantern", "OnPickUp Aldric/Lantern/-"}));
    EXPECT_EQ(Member->Backpack[0].get(), lantern);
    EXPECT_EQ(Here.Items[0], nullptr);
    EXPECT_EQ(lantern->PlacementId, -1);
    EXPECT_EQ(Rows(row), "0");
    EXPECT_EQ(Form().Control("Item01_1").Caption, "Lantern");
}

TEST_F(LocationActionsTest, PickUpRefusedByTheLocationLeavesEverythingInPlace)
{
    TItem* lantern = LayItem("Lantern", 21001);
    Answers["OnPickUp"] = 0;
    Click("BtnPickup", {2});
    EXPECT_EQ(Output(), "\n[ Aldric: Pick Up Lantern ]\n");
    EXPECT_EQ(Fired, Events{"OnPickUp Aldric/-/Lantern"});
    EXPECT_EQ(Here.Items[0].get(), lantern);
    EXPECT_EQ(Rows(lantern->PlacementId), "1");
    EXPECT_EQ(Member->FirstFreeBackpackSlot(), 1);

    // Cancelling the list does nothing at all.
    Fired.clear();
    Click("BtnPickup", {1});
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(Fired, Events{});
}

TEST_F(LocationActionsTest, PickUpWithAFullBackpackSaysSoBeforeAnyFraming)
{
    TItem* lantern = LayItem("Lantern", 21001);
    FillBackpack();
    Click("BtnPickup", {2});
    EXPECT_EQ(Output(), "Cannot pick up. Backpack is full.\n\n");
    EXPECT_EQ(Form().RichEdit1.Paragraphs()[0].Runs[0].Font.Color, 0xFFFF00u);
    EXPECT_EQ(Fired, Events{});
    EXPECT_EQ(Here.Items[0].get(), lantern);
}

TEST_F(LocationActionsTest, OpenDependsOnWhatIsOpened)
{
    LayItem("Iron Door", 21001);
    TItem* chest = LayContainer("Chest", 20001, false);
    LayContainer("Strongbox", 20002, false, true);
    LayContainer("Sack", 20003, true);
    LayStrangeScroll();
    struct Case {
        int Pick;
        std::string Screen;
        Events Fired;
    };
    const Case Cases[] = {
        {2, "\n[ Aldric: Open Iron Door ]\n", {"OnOpen Aldric/Iron Door/-"}},
        {4, "\n[ Aldric: Open Strongbox ]\n\nIt is locked.\n", {}},
        {5, "\n[ Aldric: Open Sack ]\n\nIt is open.\n", {}},
        {3, "\n[ Aldric: Open Chest ]\n\nChest opened by Aldric\n", {"OnOpen Aldric/Chest/-"}},
    };
    for (const Case& c : Cases) {
        Fired.clear();
        Click("BtnOpen", {c.Pick});
        EXPECT_EQ(Output(), c.Screen) << c.Pick;
        EXPECT_EQ(Fired, c.Fired) << c.Pick;
    }
    EXPECT_TRUE(chest->Container->Open);
    // The unidentified scroll is not offered; open containers say so.
    EXPECT_EQ(Shown, Lists{"Cancel|Iron Door|Chest|Strongbox|Sack <open"});
    Click("BtnOpen", {1});
    EXPECT_EQ(Shown, Lists{"Cancel|Iron Door|Chest <open|Strongbox|Sack <open"});
}

TEST_F(LocationActionsTest, ContentsGoldIsTakenAndLeavesTheList)
{
    TItem* purse = LayContainer("Purse", 20001, true);
    purse->Container->Gold = 40;
    Click("BtnContents", {2, 2, 1, 1});
    EXPECT_EQ(Shown, (Lists{"Exit|Purse <open", "Back|40gp", "Back", "Exit|Purse <open"}));
    EXPECT_EQ(GameClient().PartyGold, 40);
    EXPECT_EQ(Form().Control("Gold1").Caption, "40");
    EXPECT_EQ(purse->Container->Gold, 0);
    EXPECT_EQ(Fired, Events{});
}

TEST_F(LocationActionsTest, ContentsOfAClosedContainerAreNotShown)
{
    LayContainer("Crate", 20001, false);
    Click("BtnContents", {2, 1});
    EXPECT_EQ(Shown, (Lists{"Exit|Crate", "Exit|Crate"}));
    EXPECT_EQ(Output(), "It is not open\n");
}

TEST_F(LocationActionsTest, ContentsTakesOutWhatTheContainerLetsGo)
{
    TItem* chest = LayContainer("Chest", 20001, true);
    auto torch = std::make_unique<TItem>();
    torch->Name = torch->RealName = "Torch";
    TItem* taken = torch.get();
    chest->Container->Contents[0] = std::move(torch);
    auto rope = std::make_unique<TItem>();
    rope->Name = rope->RealName = "Rope";
    chest->Container->Contents[2] = std::move(rope);
    // The play controls stay off while the loop runs, between its lists too.
    std::vector<bool> controlsShown;
    During = [&](const std::string&) { controlsShown.push_back(Form().Control("PanelButtons").Visible); };

    Answers["OnTakeOut"] = 0;
    Click("BtnContents", {2, 2, 1, 1});
    EXPECT_EQ(Shown, (Lists{"Exit|Chest <open", "Back|Torch|Rope", "Back|Torch|Rope", "Exit|Chest <open"}));
    EXPECT_EQ(chest->Container->Contents[0].get(), taken);

    Answers.clear();
    Fired.clear();
    Click("BtnContents", {2, 2, 1, 1});
    EXPECT_EQ(Fired, Events{"OnTakeOut Aldric/Chest/Torch"});
    EXPECT_EQ(Shown, (Lists{"Exit|Chest <open", "Back|Torch|Rope", "Back|Rope", "Exit|Chest <open"}));
    EXPECT_EQ(Member->Backpack[0].get(), taken);
    EXPECT_EQ(chest->Container->Contents[0], nullptr);
    EXPECT_EQ(Form().Control("Item01_1").Caption, "Torch");
    EXPECT_EQ(controlsShown, (std::vector<bool>{false, false}));

    Fired.clear();
    FillBackpack();
    Click("BtnContents", {2, 2, 1, 1});
    EXPECT_EQ(Output(), "Backpack is full.\n");
    EXPECT_EQ(Fired, Events{});
    EXPECT_NE(chest->Container->Contents[2], nullptr);
}

TEST_F(LocationActionsTest, ABookClosedDuringContentsEndsTheLoopAtOnce)
{
    TItem* chest = LayContainer("Chest", 20001, true);
    auto torch = std::make_unique<TItem>();
    torch->Name = torch->RealName = "Torch";
    chest->Container->Contents[0] = std::move(torch);
    During = [](const std::string&) { GameClient().CloseBook(); };
    // No list follows the pick of the torch.
    Click("BtnContents", {2, 2});
    EXPECT_EQ(Shown, (Lists{"Exit|Chest <open", "Back|Torch"}));
    EXPECT_EQ(Form().Member(1), nullptr);
    EXPECT_NE(chest->Container->Contents[0], nullptr);
}

TEST_F(LocationActionsTest, LootTakesWhatABodyCarriesAndItsGold)
{
    TCreature* bandit = LayBody("Bandit");
    bandit->Gold = 12;
    auto dagger = std::make_unique<TItem>();
    dagger->Name = dagger->RealName = "Dagger";
    dagger->Id = 5;
    bandit->PutInBackpack(dagger, 3);
    auto rag = std::make_unique<TItem>();
    rag->Name = rag->RealName = "Rag";
    bandit->PutInBackpack(rag, 4);  // no id: not worth taking
    auto potion = std::make_unique<TItem>();
    potion->Name = potion->RealName = "Potion";
    potion->Id = 6;
    bandit->PutInQuickSlot(potion, 2);
    auto greatsword = std::make_unique<TWeapon>();
    greatsword->Name = greatsword->RealName = "Greatsword";
    greatsword->Id = 7;
    greatsword->two_handed = true;
    TItem* sword = greatsword.get();
    bandit->SetBodySlot(std::move(greatsword), bsRHand);
    bandit->HoldInBothHands();
    LayBody("Rat")->Id = 30102;

    Click("BtnGet", {2, 4, 4, 1, 1});
    EXPECT_EQ(Shown, (Lists{"Exit|Bandit|Rat", "Back|Dagger|Potion|Greatsword|12gp", "Back|Dagger|Potion|12gp",
                            "Back|Dagger|Potion", "Exit|Bandit|Rat"}));
    EXPECT_EQ(Member->Backpack[0].get(), sword);
    EXPECT_EQ(bandit->HeldInBodySlot(bsLHand), nullptr);
    EXPECT_EQ(GameClient().PartyGold, 12);
    EXPECT_EQ(bandit->Gold, 0);
    EXPECT_EQ(Form().Control("Item01_1").Caption, "Greatsword");

    FillBackpack();
    Click("BtnGet", {2, 2, 1, 1});
    EXPECT_EQ(Output(), "Backpack is full.\n");
    EXPECT_NE(bandit->Backpack[2], nullptr);
}

TEST_F(LocationActionsTest, TalkToACharacter)
{
    LayNpc("Guard");
    Click("BtnTalk", {2});
    EXPECT_EQ(Shown, Lists{"Cancel|Guard"});
    EXPECT_EQ(Output(), "\n[ Aldric: Talk to Guard ]\n");
    EXPECT_EQ(Fired, Events{"OnDialog Aldric/Guard/-"});

    // The system-message script hears only of stored characters.
    Fired.clear();
    Data().SysMsg = RecorderId;
    Click("BtnTalk", {2});
    EXPECT_EQ(Fired, Events{"OnDialog Aldric/Guard/-"});
}

TEST_F(LocationActionsTest, TalkToAWaitingFormerMember)
{
    LayWaitingMember(Here);
    Click("BtnTalk", {2, 1});
    EXPECT_EQ(Shown, (Lists{"Cancel|Corwin", "Step in Corwin. I have need of you.|Nothing, actually"}));
    EXPECT_NE(Output().find("Corwin: Yes? What is it?"), std::string::npos);
    ASSERT_NE(Form().Member(2), nullptr);
    EXPECT_EQ(Form().Member(2)->Name, "Corwin");
    EXPECT_EQ(Here.Npcs[0], nullptr);
}

TEST_F(LocationActionsTest, TheSystemMessageScriptMayTakeOverTheTalk)
{
    LayWaitingMember(Here);
    Data().SysMsg = RecorderId;
    Answers["OnMessage12"] = 1;
    Click("BtnTalk", {2});
    EXPECT_EQ(Fired, Events{"OnMessage12 -/Corwin/-"});
    EXPECT_EQ(Output().find("Yes? What is it?"), std::string::npos);

    // Any other answer lets the character speak.
    Fired.clear();
    Answers["OnMessage12"] = 0;
    Click("BtnTalk", {2, 2});
    EXPECT_EQ(Fired, Events{"OnMessage12 -/Corwin/-"});
    EXPECT_NE(Output().find("Corwin: OK"), std::string::npos);
    EXPECT_EQ(Form().Member(2), nullptr);
}

TEST_F(LocationActionsTest, UnlockAndUseFireTheItemsEvents)
{
    LayContainer("Chest", 20001, false, true);
    LayStrangeScroll();
    Click("BtnUnlock", {2});
    EXPECT_EQ(Shown, Lists{"Cancel|Chest"});
    EXPECT_EQ(Output(), "");
    Click("BtnUse", {3});
    EXPECT_EQ(Shown, Lists{"Cancel|Chest|Strange Scroll"});
    EXPECT_EQ(Output(), "\n[ Aldric: Use Strange Scroll ]\n");
    EXPECT_EQ(Fired, (Events{"OnUnlock Aldric/Chest/-", "OnUse Aldric/Scroll of Mending/-"}));
}

TEST_F(LocationActionsTest, ExamineDescribesAllButWhatCanBeCarried)
{
    LayBody("Bandit");
    auto wolf = std::make_unique<TEnemy>();
    wolf->Name = "Wolf";
    wolf->end = 5;
    wolf->ScriptId = RecorderId;
    Here.AddCreature(std::move(wolf));
    LayNpc("Guard", 9);
    LayItem("Altar", 21001, true)->DescId = 7;
    LayItem("Coin", 21002)->DescId = 8;
    struct Case {
        int Pick;
        std::string Screen;
    };
    const Case Cases[] = {
        {2, "\n[ Aldric: Examine Bandit ]\n"},
        {4, "\n[ Aldric: Examine Guard ]\n\nA bored guard.\n"},
        {5, "\n[ Aldric: Examine Altar ]\n\nA stone altar.\nRunes run round it.\n"},
        {6, "\n[ Aldric: Examine Coin ]\n"},
    };
    for (const Case& c : Cases) {
        Click("BtnExamine", {c.Pick});
        EXPECT_EQ(Output(), c.Screen) << c.Pick;
    }
    EXPECT_EQ(Shown, Lists{"Cancel|Bandit|Wolf|Guard|Altar|Coin"});
    // The altar's text is one output string.
    Click("BtnExamine", {5});
    EXPECT_EQ(Form().RichEdit1.Paragraphs().size(), 4u);
    EXPECT_EQ(Fired, (Events{"OnExamine Aldric/Bandit/-", "OnExamine Aldric/Guard/-", "OnExamine Aldric/Altar/-",
                             "OnExamine Aldric/Coin/-", "OnExamine Aldric/Altar/-"}));
}

TEST_F(LocationActionsTest, Rest)
{
    Click("BtnRest");
    EXPECT_EQ(Fired, Events{"OnRest -/-/-"});

    Here.ScriptId = SilentId;
    Click("BtnRest");
    EXPECT_EQ(Output(), "You may not rest here\n\n");

    Form().InCombat = true;
    Click("BtnRest");
    EXPECT_EQ(Output(), "You may not rest now\n");
    EXPECT_EQ(Fired, Events{"OnRest -/-/-"});
}

TEST_F(LocationActionsTest, SkillTargetPickers)
{
    TItem* chest = LayContainer("Chest", 20001, false, true);
    LayStrangeScroll();
    Picks = {2};
    EXPECT_EQ(ChoosePickLockTarget(), chest);
    Picks = {3};
    EXPECT_EQ(ChooseRemoveTrapsTarget(Member)->Name, "Scroll of Mending");
    EXPECT_EQ(Shown, (Lists{"Cancel|Chest", "Cancel|Chest|Strange Scroll"}));
    EXPECT_EQ(Fired, (Events{"OnPickLock Aldric/Chest/-", "OnRemoveTrap Aldric/Scroll of Mending/-"}));
    EXPECT_EQ(Output(), "");

    Picks = {1};
    EXPECT_EQ(ChoosePickLockTarget(), nullptr);
    Process().SelectedMember = 2;
    EXPECT_EQ(ChoosePickLockTarget(), nullptr);
    EXPECT_EQ(Fired.size(), 2u);
}
