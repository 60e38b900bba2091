#include <gtest/gtest.h>

#include <filesystem>

#include "app/ProgramFolder.h"
#include "platform/Settings.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "script/ScriptClasses.h"
#include "script/ScriptCommands.h"
#include "script/ScriptObject.h"
#include "session/BookmarkFolders.h"
#include "support/AdventureFolder.h"
#include "support/EngineFixture.h"
#include "platform/Keys.h"
#include "world/Location.h"

namespace {

const char* const Adventure = R"SQL(
insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6'), ('EncText', '0'),
  ('EncImg', '0'), ('ChStart', '0'), ('StartID', '1001'), ('AdvTitle', 'Test of Embers');
insert into texts (id, file, text) values (1, 'gate_intro.txt', 'You arrive at the gate.'), (2, 'gate.txt', 'The gate.');
insert into locations (id, name, intro_id, desc_id, brief, script_id) values
  (1001, 'The Gate', 1, 2, 'A tall gate.', 990001), (1002, 'The Square', 0, 0, 'An empty square.', 990002),
  (1003, 'The Cellar', 0, 0, 'A damp cellar.', 0), (1004, 'The Crack', 0, 0, 'A narrow crack.', 0),
  (1005, 'The Pit', 0, 0, 'A pit with a rope up.', 990003);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values
  (1002, 1001, 'the square', 1, 1), (1003, 1001, 'the cellar door', 11, 1), (1004, 1001, 'a crack in the wall', 13, 1),
  (1001, 1002, 'the gate', 3, 1), (1001, 1003, 'up the steps', 12, 1);
)SQL";

// The gate: its first visit falls back to OnEnter; the square refuses to be left.
class TGateScript : public TScriptObject {
public:
    int32_t OnFirstEnter() override { return -1; }
    int32_t OnEnter() override
    {
        ++Enters;
        return 1;
    }
    static inline int Enters = 0;
};

// The pit: its first visit sends the party straight back up to the gate.
class TPitScript : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().MoveParty(1001);
        return -1;
    }
};

class TSquareScript : public TScriptObject {
public:
    int32_t OnFirstEnter() override { return 0; }
    int32_t OnExit(int64_t) override { return 0; }
};

class GameSessionTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        RegisterScriptClass(990001, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TGateScript>()); });
        RegisterScriptClass(990002, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TSquareScript>()); });
        RegisterScriptClass(990003, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TPitScript>()); });
        TGateScript::Enters = 0;
        Form().FormCreate();
        Process().AppDir = Folder.Temp.Path;
    }

    void StartGame()
    {
        Queue("expect-box Maximum allowed characters created. Starting game now.\nanswer ok");
        GameClient().StartNewGame();
        ASSERT_NE(GameClient().CurrentLocation, nullptr);
    }

    TPlayer& AddMember(int slot)
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = "Member " + std::to_string(slot);
        player->end_max = player->end = 50;
        GameClient().AddPartyMember(player, slot);
        return *Form().Member(slot);
    }

    TAdventureFolder Folder{Adventure};
};

} // namespace

TEST_F(GameSessionTest, AFirstStartWritesTheProgramFolderAndUsesTheDefaults)
{
    TSettings& settings = TestHost.Settings();
    // The test's folder holds no adventure: the one the build laid out is remembered.
    EXPECT_EQ(settings.ReadString("\\Software\\Vellumora", "CindervaleDir"),
              FallbackProgramFolder().value_or(std::filesystem::current_path().string()));
    EXPECT_EQ(settings.ReadString("\\Software\\Vellumora", "CindervaleVersion"), "1.0");
    EXPECT_FALSE(Form().TurnBasedCombat);
    EXPECT_EQ(Form().RichEdit1.DefaultFont.Size, 9);
    Form().FormShow();
    EXPECT_EQ(Screen().rfind("TIP\n\n", 0), 0u);
    Form().Click("Larger");
    Form().FormDestroy();
    EXPECT_EQ(settings.ReadString("\\Software\\Vellumora\\CindervaleOptions", "TurnBasedCombat"), "0");
    EXPECT_EQ(settings.ReadString("\\Software\\Vellumora\\CindervaleOptions", "FontSize"), "10");
    EXPECT_EQ(Form().Caption, "Vellumora Engine 1.6");
}

TEST_F(GameSessionTest, ANewGameWithoutCharactersStartsAtTheStartLocation)
{
    StartGame();
    EXPECT_EQ(Form().Caption, "Vellumora Engine 1.6 - Test of Embers");
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
    // A first visit with an intro: no heading; OnFirstEnter's -1 fell back to OnEnter.
    EXPECT_EQ(Screen(), "You arrive at the gate.\nExits: the square, the cellar door, a crack in the wall\n");
    EXPECT_EQ(TGateScript::Enters, 1);
    EXPECT_TRUE(std::filesystem::exists(Folder.Game() + "/temp.db"));

    // Orientation 13 lights no button; All Exits offers it.
    EXPECT_TRUE(Form().Control("BtnN").Enabled);
    EXPECT_TRUE(Form().Control("BtnIN").Enabled);
    EXPECT_FALSE(Form().Control("BtnS").Enabled);
    Queue("expect-control LblChoice4 caption 4. a crack in the wall\nchoose 4");
    Form().Click("MainGoBtn");
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1004);

    // Back at the gate: the heading and the brief.
    GameClient().EnterLocation(1001);
    EXPECT_EQ(Form().RichEdit1.WrittenText(Form().RichEdit1.WrittenCount() - 4),
              "The Gate\nA tall gate.\n\nExits: the square, the cellar door, a crack in the wall\n");

    // Keypad 5 takes the way in.
    Form().KeyUp(VK_NUMPAD5);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1003);
    Form().KeyUp(VK_NUMPAD0);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
}

TEST_F(GameSessionTest, AnExitScriptAnsweringNoKeepsTheParty)
{
    StartGame();
    Form().Click("BtnN");
    ASSERT_EQ(GameClient().CurrentLocation->Id, 1002);
    // OnFirstEnter 0: no contents summary.
    EXPECT_EQ(Screen().find("Exits: the gate"), std::string::npos);
    const size_t before = Form().RichEdit1.WrittenCount();
    Form().Click("BtnS");
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1002);
    EXPECT_EQ(Form().RichEdit1.WrittenCount(), before);
}

TEST_F(GameSessionTest, AMemberUnableToActBlocksEveryWayOfMoving)
{
    StartGame();
    AddMember(1).States.set(StateUnableToAct);
    Form().Click("BtnN");
    Form().Click("MainGoBtn");
    Form().KeyUp(VK_UP);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
    const std::string output = Screen();
    size_t count = 0;
    for (size_t at = output.find("One of your party members cannot move."); at != std::string::npos;
         at = output.find("One of your party members cannot move.", at + 1))
        ++count;
    EXPECT_EQ(count, 3u);
}

TEST_F(GameSessionTest, SavingWithPendingChoicesAbandonsTheWholeOperation)
{
    StartGame();
    GameClient().Options->ShowChoice("A pending question");
    Queue("expect-box Save before closing?\nanswer yes\nexpect-box You cannot save while there are choices.\nanswer ok");
    Form().Click("StartGame");
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
    EXPECT_FALSE(Process().GameDir.empty());
    // Closing the window is refused outright while choices are pending.
    Queue("expect-box You cannot exit while there are options\nanswer ok");
    EXPECT_FALSE(Form().CloseQuery());
    // No closes the book without saving.
    GameClient().Options->ClearLabels();
    Queue("answer no");
    Form().Click("CloseBook");
    EXPECT_TRUE(Process().GameDir.empty());
    EXPECT_TRUE(GameClient().SessionClosed);
    EXPECT_EQ(Form().Caption, "Vellumora Engine 1.6");
}

TEST_F(GameSessionTest, GaugeColours)
{
    StartGame();
    TPlayer& member = AddMember(1);
    struct Case {
        int end;
        TColor color;
    };
    for (const Case& c : {Case{10, clRed}, Case{11, 0xFFFF00u}, Case{30, 0xFFFF00u}, Case{31, 0x00FF00u}}) {
        member.end = c.end;
        GameClient().RefreshMemberGauges(1);
        EXPECT_EQ(Form().Control("MainGraphHP1").Color, c.color) << c.end;
        EXPECT_EQ(Form().Control("GraphHP1").Color, c.color) << c.end;
        EXPECT_EQ(Form().Control("MainGraphHP1").Hint, std::to_string(c.end) + "/50");
    }
    GameClient().RefreshMemberGauges(2);
    EXPECT_EQ(Form().Control("HP2").Caption, "(0)");
    EXPECT_EQ(Form().Control("MainGraphHP2").Hint, "");
}

TEST_F(GameSessionTest, AFirstVisitThatMovesThePartyOnEndsThere)
{
    StartGame();
    ASSERT_EQ(TGateScript::Enters, 1);
    GameClient().EnterLocation(1005);
    // The gate's own arrival ran once; the pit's fallback must not run the gate's again.
    EXPECT_EQ(TGateScript::Enters, 2);
    ASSERT_NE(GameClient().CurrentLocation, nullptr);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
    EXPECT_EQ(Process().SessionDb->Query("select visited from locations where id = 1005")[0]->GetItem("visited"), "1");
    EXPECT_TRUE(Form().LocationManager->LoadedLocation(1005)->Visited);
}

TEST_F(GameSessionTest, ALevelUpRefusedForTimedEffectsKeepsTheButton)
{
    StartGame();
    TPlayer& member = AddMember(1);
    member.experience = member.next_level = 1250;
    GameClient().RefreshMemberPanel(1);
    ASSERT_TRUE(Form().Control("BtnLevelUp1").Enabled);
    auto effect = std::make_unique<TEffect>();
    effect->Target = &member;
    Form().EffectsManager->Add(std::move(effect));
    Queue("expect-box Not while there are timed effects\nanswer ok");
    Form().Click("BtnLevelUp1");
    EXPECT_EQ(member.level, 0);
    EXPECT_TRUE(Form().Control("BtnLevelUp1").Enabled);
}

TEST_F(GameSessionTest, HelpOpensTheManualInstalledInTheProgramFolder)
{
    Process().AppDir = "/opt/vellumora";
    Form().Click("Help");
    EXPECT_EQ(TestHost.LastShellOpen, "/opt/vellumora/doc/index.html");
}

TEST_F(GameSessionTest, AManualThatCannotBeOpenedIsSaid)
{
    // A desktop with no program for web pages.
    class TNoBrowser : public TScriptedHost {
    public:
        using TScriptedHost::TScriptedHost;
        bool ShellOpen(const std::string&, const std::string&) override { return false; }
    } host;
    Process().Host = &host;
    Process().AppDir = "/opt/vellumora";
    host.AddLines("answer ok");
    Form().Click("Help");
    Process().Host = &TestHost;
    EXPECT_EQ(host.LastBoxText(), "The manual could not be opened: /opt/vellumora/doc/index.html");
}

TEST_F(GameSessionTest, AdventureDetailsNeedABook)
{
    Queue("expect-box No adventure is open.\nanswer ok");
    Form().Click("AdventureDetails");
    Queue("expect-box Tried to enable nil Player\nanswer ok");
    GameClient().EnableMemberPanel(3, true);
}

TEST_F(GameSessionTest, ARefusedAdventureSaysWhyOnce)
{
    TSQLite3 adventure;
    ASSERT_EQ(adventure.Open(Folder.Game() + "/data.db"), 0);
    adventure.Execute("insert into general (name, value) values ('EdVer', '1.2')");
    adventure.Close();
    TTempFolder noAdventure;
    struct Case {
        std::string appDir;
        std::string box;
    };
    for (const Case& c : {Case{Folder.Temp.Path, "very old version of Vellumora and connot be opened."},
                          Case{noAdventure.Path, "no data.db in the folder \"" + noAdventure.Path + "/Game\""}}) {
        Process().AppDir = c.appDir;
        // A second box would find the script run out.
        Queue("expect-box " + c.box + "\nanswer ok");
        GameClient().StartNewGame();
        EXPECT_EQ(TestHost.LastBoxText().find("cannot be opened."), std::string::npos) << c.appDir;
        EXPECT_EQ(Process().GameDir, "") << c.appDir;
        EXPECT_EQ(Form().DataManager, nullptr) << c.appDir;
    }
}

TEST_F(GameSessionTest, AtStartUpTheQuickButtonsShowTheFirstMembersSlots)
{
    for (const char* button : {"BtnQuick1", "BtnQuick2", "BtnQuick3"})
        EXPECT_EQ(Form().Control(button).Caption, "EMPTY") << button;
}

TEST_F(GameSessionTest, AMapPictureMustBeAFile)
{
    Process().GameDir = Folder.Game();
    Folder.WriteImage("ashfang.jpg", "not really a picture");
    std::filesystem::create_directories(Folder.Game() + "/Images/old");
    GameClient().AddMapPicture("folder", "old", "A folder");
    GameClient().AddMapPicture("nothing", "", "No name");
    GameClient().AddMapPicture("missing", "whisperwood.jpg", "Missing");
    GameClient().AddMapPicture("ashfang", "ashfang.jpg", "Ashfang");
    EXPECT_EQ(Form().Control("ComboMapTitle").Items, std::vector<std::string>{"Ashfang"});
}

TEST_F(GameSessionTest, AQuickSaveReplacesTheLastOneEvenAtTheSameMoment)
{
    StartGame();
    // The host's clock stands still, so the three saves share their time; the
    // third takes the folder name the first one left free.
    for (const int64_t location : {1003, 1004, 1001}) {
        GameClient().EnterLocation(location);
        ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick)) << location;
    }
    const std::vector<TBookmarkEntry> saves = ListBookmarks(Folder.Game() + "/Saves");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].LocationName, "The Gate");
    GameClient().EnterLocation(1003);
    Queue("expect-box Save before loading?\nanswer no");
    GameClient().QuickLoad();
    ASSERT_NE(GameClient().CurrentLocation, nullptr);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
}
