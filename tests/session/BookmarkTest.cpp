#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/SQLite.h"
#include "data/SessionSchema.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Effects.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "session/BookmarkFolders.h"
#include "session/Bookmarks.h"
#include "support/AdventureFolder.h"
#include "support/EngineFixture.h"
#include "world/AreaMap.h"
#include "world/Journal.h"
#include "world/Location.h"

namespace fs = std::filesystem;

namespace {

const char* const Adventure = R"SQL(
insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6'), ('EncText', '0'),
  ('EncImg', '0'), ('ChStart', '0'), ('StartID', '1001'), ('AdvTitle', 'Test of Embers'), ('SysMsg', '990301');
insert into texts (id, file, text) values (1, 'q_rats.txt', 'Rats in the cellar' || char(13) || char(10) || 'Clear them out.');
insert into texts (id, file, text) values (2, 'j_gate.txt', 'At the gate' || char(10) || 'The guard let us in.');
insert into locations (id, name, intro_id, desc_id, brief, script_id, area_id, mapX, mapY) values
  (1001, 'The Gate', 0, 0, 'A tall gate.', 0, 1, 1, 0), (1002, 'The Square', 0, 0, 'An empty square.', 0, 1, 0, 0),
  (1003, 'The Road', 0, 0, 'A road out of town.', 0, 2, -1, -1);
insert into areas (id, name, width, height) values (1, 'Town', 1, 2);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values
  (1002, 1001, 'the square', 1, 1), (1001, 1002, 'the gate', 3, 1), (1003, 1002, 'the road', 2, 1),
  (1002, 1003, 'the square', 4, 1);
)SQL";

std::string ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Little-endian numbers read by hand, as the layout gives them.
uint32_t U32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (int index = 3; index >= 0; --index)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + index));
    return value;
}

// The adventure's system-message script hears of every save and load: what it
// heard, and whether the party stood somewhere at that moment.
std::vector<std::string> Heard;

class TSystemMessages : public TScriptObject {
public:
    int32_t OnMessage(int32_t code) override
    {
        const TForm1& form = MainForm();
        Heard.push_back(std::to_string(code) + (form.Member(1) ? " party" : " no party") +
                        (GameClient().CurrentLocation ? " placed" : " unplaced"));
        return 1;
    }
};

class BookmarkTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Form().FormCreate();
        Process().AppDir = Folder.Temp.Path;
        BookmarkSaveStep = nullptr;
        Heard.clear();
        RegisterScriptClass(990301,
                            [] { return std::unique_ptr<TScriptObject>(std::make_unique<TSystemMessages>()); });
        Queue("expect-box Maximum allowed characters created. Starting game now.\nanswer ok");
        GameClient().StartNewGame();
        ASSERT_NE(GameClient().CurrentLocation, nullptr);
        Hero = &AddMember(1, "Aldric");
    }

    void TearDown() override
    {
        BookmarkSaveStep = nullptr;
        EngineFixture::TearDown();
    }

    TPlayer& AddMember(int slot, const std::string& name)
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = name;
        player->Id = NewPlayerId(*Process().SessionDb);
        player->end_max = player->end = 50;
        player->next_level = 1250;
        GameClient().AddPartyMember(player, slot);
        return *Form().Member(slot);
    }

    // 1 poison damage once a round for three rounds: an effect that runs a while.
    static void Poison(TCreature& target)
    {
        DamageRec poison;
        poison.Form = dfList;
        poison.Values = {1};
        poison.DamageType = 9;
        poison.Duration = 3;
        poison.Trigger = 7;
        ApplyDamage(&poison, &target, 0);
    }

    fs::path Saves() const { return fs::path(Folder.Game()) / "Saves"; }
    std::vector<TBookmarkEntry> Listed() const { return ListBookmarks(Saves().string()); }

    // A save under a name typed into the dialog.
    bool SaveAs(const std::string& name)
    {
        Queue("type EditSaveName " + name + "\nclick Button1");
        return GameClient().SaveBookmark();
    }

    // Loads the bookmark at that place of the dialog's list, the book being open.
    void LoadListed(int index)
    {
        Queue("expect-box Save before loading?\nanswer no\nselect ListBookmarks " + std::to_string(index) +
              "\nclick Button1");
        GameClient().LoadBookmark();
    }

    TAdventureFolder Folder{Adventure};
    TPlayer* Hero = nullptr;
};

} // namespace

TEST_F(BookmarkTest, ASaveWritesItsRowAndOnlyTheSideFilesItNeeds)
{
    GameClient().EnterLocation(1002);
    Process().GlobalVariables = {{"$empty", std::string()}, {"$motto", std::string("Glück auf")}, {"gates", int64_t(3)}};
    TestHost.Advance(90 * 1000);
    ASSERT_TRUE(SaveAs("Before the square"));
    EXPECT_NE(Screen().find("Save successful . . ."), std::string::npos);

    const fs::path saved = Saves() / "Save1";
    TSQLite3 db;
    ASSERT_EQ(db.OpenReadOnly((saved / "data").string()), 0);
    const TRecordSet rows = db.Query("select engine_version, loc_id, datetime, savename from save_data");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->GetItem("engine_version"), "160");
    EXPECT_EQ(rows[0]->GetItem("loc_id"), "1002");
    EXPECT_EQ(rows[0]->GetItem("savename"), "Before the square");
    EXPECT_EQ(rows[0]->GetItem("datetime").find(','), std::string::npos);
    EXPECT_DOUBLE_EQ(DateTimeFromText(rows[0]->GetItem("datetime")), TestHost.Now());
    EXPECT_FALSE(fs::exists(saved / "Timed.dat"));
    // Nothing of the staging is left beside the bookmark.
    EXPECT_EQ(std::distance(fs::directory_iterator(Saves()), fs::directory_iterator()), 1);
}

TEST_F(BookmarkTest, TheSideFilesFollowTheirByteLayout)
{
    Process().GlobalVariables = {{"$motto", std::string("Glück")}, {"$empty", std::string()},
                                 {"gates", int64_t(-2)}, {"big", int64_t(1) << 40}, {"open", true}};
    Poison(*Hero);
    ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    const fs::path saved = Saves() / "Save1";

    EXPECT_EQ(ReadBytes(saved / "GlobalN"), "$motto\r\n$empty\r\ngates\r\nbig\r\nopen\r\n");
    const std::string values = ReadBytes(saved / "Global.dat");
    ASSERT_EQ(values.size(), 4 + 6 + 4 + 3 * 16u);
    // Text: its byte count, then the UTF-8 bytes as they are.
    EXPECT_EQ(U32(values, 0), 6u);
    EXPECT_EQ(values.substr(4, 6), "Glück");
    EXPECT_EQ(U32(values, 10), 0u);
    // Whole numbers: tag 3 and the int32 at bytes 8..11 of a 16-byte record.
    const std::string gates = values.substr(14, 16);
    EXPECT_EQ(gates.substr(0, 2), std::string("\x03\x00", 2));
    EXPECT_EQ(U32(gates, 8), 0xFFFFFFFEu);
    EXPECT_EQ(U32(gates, 12), 0u);
    // Beyond 32 bits: tag 20 and all 8 bytes; a flag: tag 11 with -1 as true.
    const std::string big = values.substr(30, 16);
    EXPECT_EQ(big.substr(0, 2), std::string("\x14\x00", 2));
    EXPECT_EQ(U32(big, 8), 0u);
    EXPECT_EQ(U32(big, 12), 256u);
    const std::string open = values.substr(46, 16);
    EXPECT_EQ(open.substr(0, 2), std::string("\x0B\x00", 2));
    EXPECT_EQ(U32(open, 8) & 0xFFFF, 0xFFFFu);

    // One running effect: its 192-byte record, then a count and the values.
    const std::string timed = ReadBytes(saved / "Timed.dat");
    ASSERT_GE(timed.size(), 196u);
    const uint32_t count = U32(timed, 192);
    EXPECT_EQ(timed.size(), 196 + 4 * size_t(count));
}

TEST_F(BookmarkTest, LoadingRestoresTheGameAsItWasSaved)
{
    GameClient().EnterLocation(1002);
    Process().Switches.SetItem("rats_cleared", 1);
    Process().GlobalVariables = {{"$empty", std::string()}, {"$motto", std::string("Glück auf")}, {"gates", int64_t(3)}};
    GameClient().AddQuest("rats", "q_rats.txt");
    GameClient().AddQuest("done", "q_rats.txt");
    GameClient().CompleteQuest("done");
    GameClient().AddJournalEntry("arrival", "q_rats.txt");
    GameClient().PartyGold = 77;
    Hero->experience = 1300;
    Hero->end = 31;
    ASSERT_TRUE(SaveAs("Midway"));

    // Play on: everything changes.
    GameClient().EnterLocation(1001);
    Process().Switches.SetItem("rats_cleared", 0);
    Process().GlobalVariables.clear();
    GameClient().PartyGold = 5;
    Hero->end = 2;
    LoadListed(0);

    ASSERT_NE(GameClient().CurrentLocation, nullptr);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1002);
    EXPECT_EQ(Process().Switches.GetItem("rats_cleared"), 1);
    ASSERT_EQ(Process().GlobalVariables.size(), 3u);
    EXPECT_EQ(std::get<std::string>(Process().GlobalVariables[0].second), "");
    EXPECT_EQ(std::get<std::string>(Process().GlobalVariables[1].second), "Glück auf");
    EXPECT_EQ(std::get<int64_t>(Process().GlobalVariables[2].second), 3);
    // A completed quest is still known, so it cannot be added again.
    EXPECT_EQ(GameClient().Quests, (std::vector<std::string>{"rats=q_rats.txt", "done=*"}));
    EXPECT_EQ(GameClient().JournalEntries, (std::vector<std::string>{"arrival=q_rats.txt"}));
    EXPECT_EQ(GameClient().PartyGold, 77);
    const TPlayer* loaded = Form().Member(1);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Name, "Aldric");
    EXPECT_EQ(loaded->end, 31);
    EXPECT_NE(Screen().find("Aldric LEVEL UP"), std::string::npos);
    EXPECT_TRUE(Form().Control("BtnLevelUp1").Enabled);
    EXPECT_EQ(Form().Caption, "Vellumora Engine 1.6 - Test of Embers ");
    // Before the save is written, and once the party is back but not yet placed.
    EXPECT_EQ(Heard, (std::vector<std::string>{"1 party placed", "2 party unplaced"}));
    // Loading never changes the bookmark.
    TSQLite3 db;
    ASSERT_EQ(db.OpenReadOnly((Saves() / "Save1" / "data").string()), 0);
    EXPECT_EQ(db.Query("select loc_id from save_data")[0]->GetItem("loc_id"), "1002");
}

TEST_F(BookmarkTest, TheBooksAndTheDiscoveredMapComeBack)
{
    GameClient().AddQuest("rats", "q_rats.txt");
    GameClient().AddQuest("gate", "j_gate.txt");
    GameClient().AddJournalEntry("gate", "j_gate.txt");
    GameClient().CompleteQuest("rats");
    EXPECT_EQ(JournalManager().QuestLines(), (std::vector<std::string>{"~At the gate", "The guard let us in."}));
    GameClient().EnterLocation(1002);
    ASSERT_EQ(AreaMap().AreaId, 1);
    EXPECT_TRUE(AreaMap().Cell(0, 0)->Draw);
    EXPECT_TRUE(AreaMap().Cell(1, 0)->Draw);
    ASSERT_TRUE(SaveAs("Mapped"));

    LoadListed(0);
    EXPECT_EQ(JournalManager().JournalLines(), (std::vector<std::string>{"~At the gate", "The guard let us in."}));
    EXPECT_EQ(JournalManager().QuestLines(), (std::vector<std::string>{"~At the gate", "The guard let us in."}));
    ASSERT_EQ(AreaMap().AreaId, 1);
    EXPECT_TRUE(AreaMap().Cell(0, 0)->Draw);
    EXPECT_TRUE(AreaMap().Cell(1, 0)->Draw) << "a cell shown without a row of its own is kept";

    // A closed book forgets both.
    GameClient().CloseBook();
    EXPECT_TRUE(JournalManager().JournalLines().empty());
    EXPECT_EQ(AreaMap().AreaId, 0);
}

TEST_F(BookmarkTest, RunningEffectsComeBackWithTheirTargetsAndTimeLeft)
{
    Poison(*Hero);
    ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    // A save lets the effects run on.
    EXPECT_TRUE(Form().EffectsManager->TimerRunning());
    Queue("expect-box Save before loading?\nanswer no");
    GameClient().QuickLoad();
    ASSERT_NE(Form().Member(1), nullptr);
    const auto& effects = Form().EffectsManager->Effects();
    ASSERT_EQ(std::count_if(effects.begin(), effects.end(), [](const auto& effect) { return effect != nullptr; }), 1);
    EXPECT_EQ(effects.front()->Target, Form().Member(1));
    EXPECT_TRUE(Form().EffectsManager->TimerRunning());

    // Without effects: no file, and none after loading.
    Form().EffectsManager->CancelFor(Form().Member(1)->Id);
    TestHost.Advance(TickIntervalMs);
    ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    EXPECT_FALSE(fs::exists(Listed().back().Folder + "/Timed.dat"));
}

TEST_F(BookmarkTest, FoldersAreNumberedFromTheSmallestFreeAndListedOldestFirst)
{
    fs::create_directories(Saves() / "Save1");
    fs::create_directories(Saves() / "Save3");
    // A folder without data is no bookmark; one whose data has no save row cannot
    // be loaded but stays listed, so it can be deleted.
    WriteBytes(Saves() / "Save3" / "data", "not a database at all");
    fs::create_directories(Saves() / "Notes");
    ASSERT_TRUE(SaveAs("Twice"));
    EXPECT_TRUE(fs::exists(Saves() / "Save2" / "data"));
    ASSERT_TRUE(SaveAs("Twice"));
    EXPECT_TRUE(fs::exists(Saves() / "Save4" / "data"));
    TestHost.Advance(60 * 1000);
    ASSERT_TRUE(SaveAs("Later"));

    const std::vector<TBookmarkEntry> entries = Listed();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_FALSE(entries[0].Readable);
    EXPECT_EQ(fs::path(entries[0].Folder).filename(), "Save3");
    // Saved at the same moment: by folder number.
    EXPECT_EQ(fs::path(entries[1].Folder).filename(), "Save2");
    EXPECT_EQ(fs::path(entries[2].Folder).filename(), "Save4");
    EXPECT_EQ(entries[2].Name, "Twice");
    EXPECT_EQ(entries[3].Name, "Later");
    EXPECT_EQ(BookmarkCaption(entries[3]), "Later  " + ShortDateTime(entries[3].Time) + "  The Gate");
    EXPECT_EQ(BookmarkCaption(entries[0]), "Save3  (unreadable)");

    // The save dialog shows only the bookmarks that can be loaded.
    Queue("expect-control ListBookmarks items Twice  " + ShortDateTime(entries[1].Time) + "  The Gate|Twice  " +
          ShortDateTime(entries[2].Time) + "  The Gate|Later  " + ShortDateTime(entries[3].Time) +
          "  The Gate\nclick Button2");
    EXPECT_FALSE(GameClient().SaveBookmark());

    // The unreadable one is refused and can be deleted.
    Queue("expect-box Save before loading?\nanswer no\nselect ListBookmarks 0\nclick Button1\n"
          "expect-box The bookmark Save3 cannot be loaded\nanswer ok");
    GameClient().LoadBookmark();
    EXPECT_TRUE(Process().GameDir.empty());
    Queue("select ListBookmarks 0\nclick BtnDel\nexpect-box Are you sure you want to delete the selected bookmark?\n"
          "answer yes\nexpect-control ListBookmarks items Twice  " +
          ShortDateTime(entries[1].Time) + "  The Gate|Twice  " + ShortDateTime(entries[2].Time) +
          "  The Gate|Later  " + ShortDateTime(entries[3].Time) + "  The Gate\nclick Button2");
    GameClient().LoadBookmark();
    EXPECT_FALSE(fs::exists(Saves() / "Save3"));
}

TEST_F(BookmarkTest, TheDialogsRefusalsAskAgain)
{
    Queue("click Button1\nexpect-box No Bookmark Name Provided.\nanswer ok\nclick Button2");
    EXPECT_FALSE(GameClient().SaveBookmark());
    EXPECT_FALSE(fs::exists(Saves() / "Save1"));
    ASSERT_TRUE(SaveAs("First"));
    Queue("expect-box Save before loading?\nanswer no\nclick Button1\nexpect-box No Bookmark Selected\nanswer ok\n"
          "click Button2");
    GameClient().LoadBookmark();
    EXPECT_TRUE(Process().GameDir.empty());
}

TEST_F(BookmarkTest, NoSaveDuringAFightOrWhileChoicesWait)
{
    Form().InCombat = true;
    Queue("expect-box You cannot save while in combat.\nanswer ok");
    EXPECT_FALSE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    Form().InCombat = false;
    GameClient().Options->ShowChoice("A pending question");
    Queue("expect-box You cannot save while there are choices.\nanswer ok");
    EXPECT_FALSE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    EXPECT_FALSE(fs::exists(Saves() / "Save1"));
}

TEST_F(BookmarkTest, ASaveThatFailsAtAnyStepLeavesNoBookmarkAndTheGamePlaysOn)
{
    ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    for (const char* failing : {"staging", "store", "globals", "effects", "copy", "publish"}) {
        SCOPED_TRACE(failing);
        BookmarkSaveStep = [failing](const std::string& step) {
            if (step == failing)
                throw std::runtime_error("No space left on device");
        };
        Process().Switches.SetItem("tries", 1);
        Queue("expect-box Save failed: No space left on device\nanswer ok");
        EXPECT_FALSE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
        BookmarkSaveStep = nullptr;
        // Only the earlier bookmark is there, and nothing half made beside it.
        ASSERT_EQ(Listed().size(), 1u);
        EXPECT_EQ(std::distance(fs::directory_iterator(Saves()), fs::directory_iterator()), 1);
        // The game goes on where it was.
        GameClient().EnterLocation(1002);
        EXPECT_EQ(GameClient().CurrentLocation->Id, 1002);
        GameClient().EnterLocation(1001);
    }
    // The earlier bookmark still loads.
    Queue("expect-box Save before loading?\nanswer no");
    GameClient().QuickLoad();
    ASSERT_NE(GameClient().CurrentLocation, nullptr);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
}

TEST_F(BookmarkTest, ADamagedBookmarkIsRefusedAndTheGameStaysAsItWas)
{
    Process().GlobalVariables = {{"$motto", std::string("Onward")}, {"gates", int64_t(3)}};
    Poison(*Hero);
    ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    const fs::path saved = Listed().front().Folder;
    const std::string globals = ReadBytes(saved / "Global.dat");
    const std::string timed = ReadBytes(saved / "Timed.dat");
    const std::string data = ReadBytes(saved / "data");
    struct Damage {
        const char* What;
        std::function<void()> Do;
        const char* Said;
    };
    const Damage damages[] = {
        {"a cut Global.dat", [&] { WriteBytes(saved / "Global.dat", globals.substr(0, globals.size() - 3)); },
         "Global.dat is damaged"},
        {"a value too many", [&] { WriteBytes(saved / "Global.dat", globals + std::string(16, '\0')); },
         "Global.dat is damaged"},
        {"a cut Timed.dat", [&] { WriteBytes(saved / "Timed.dat", timed.substr(0, 100)); }, "Timed.dat is damaged"},
        {"no save row",
         [&] {
             TSQLite3 db;
             db.Open((saved / "data").string());
             db.Execute("delete from save_data");
         },
         "There is no quick save to load."},
    };
    GameClient().EnterLocation(1002);
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.What);
        damage.Do();
        Queue(std::string("expect-box ") + damage.Said + "\nanswer ok");
        GameClient().QuickLoad();
        // No question was asked and nothing closed: the game is as it was.
        ASSERT_NE(GameClient().CurrentLocation, nullptr);
        EXPECT_EQ(GameClient().CurrentLocation->Id, 1002);
        EXPECT_EQ(Form().Member(1), Hero);
        WriteBytes(saved / "Global.dat", globals);
        WriteBytes(saved / "Timed.dat", timed);
        WriteBytes(saved / "data", data);
    }
    // A damaged database is refused by its integrity check.
    WriteBytes(saved / "data", data.substr(0, data.size() / 2) + std::string(data.size() / 2, 'x'));
    TBookmarkImage image;
    std::string why;
    EXPECT_FALSE(ReadBookmark(saved.string(), image, why));
    EXPECT_FALSE(why.empty());
}

TEST_F(BookmarkTest, QuickSavesReplaceTheLastAndAutosavesKeepTheNewestThree)
{
    ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    TestHost.Advance(1000);
    ASSERT_TRUE(GameClient().SaveBookmark(TGameClient::TSaveKind::Quick));
    ASSERT_EQ(Listed().size(), 1u);
    EXPECT_EQ(fs::path(Listed().front().Folder).filename(), "Save2");

    // Walking within an area saves nothing; each step into another area does.
    GameClient().EnterLocation(1002);
    EXPECT_EQ(Listed().size(), 1u);
    for (int trip = 0; trip < 3; ++trip) {
        TestHost.Advance(1000);
        GameClient().EnterLocation(1003);
        TestHost.Advance(1000);
        GameClient().EnterLocation(1002);
    }
    TestHost.Advance(1000);
    GameClient().EnterLocation(1003);
    const std::vector<TBookmarkEntry> entries = Listed();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(), [](const auto& entry) { return entry.Name == "Autosave"; }),
              3);
    EXPECT_EQ(entries.back().LocationName, "The Road");
    EXPECT_EQ(entries[2].LocationName, "The Square");
    EXPECT_NE(Screen().find("Autosave successful . . ."), std::string::npos);

    // Continue opens the newest.
    Queue("expect-box Save before loading?\nanswer no");
    GameClient().ContinueGame();
    ASSERT_NE(GameClient().CurrentLocation, nullptr);
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1003);
}

TEST_F(BookmarkTest, YesToTheSaveQuestionSavesAndAFailedSaveKeepsTheBookOpen)
{
    Queue("expect-box Save before closing?\nanswer yes\ntype EditSaveName Leaving\nclick Button1");
    Form().Click("CloseBook");
    EXPECT_TRUE(Process().GameDir.empty());
    ASSERT_EQ(Listed().size(), 1u);

    Queue("expect-box Maximum allowed characters created. Starting game now.\nanswer ok");
    GameClient().StartNewGame();
    BookmarkSaveStep = [](const std::string& step) {
        if (step == "copy")
            throw std::runtime_error("No space left on device");
    };
    Queue("expect-box Save before closing?\nanswer yes\ntype EditSaveName Leaving\nclick Button1\n"
          "expect-box Save failed\nanswer ok");
    Form().Click("CloseBook");
    EXPECT_FALSE(Process().GameDir.empty());
    EXPECT_NE(GameClient().CurrentLocation, nullptr);
}
