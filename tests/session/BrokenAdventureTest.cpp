// Broken adventures and a hostile machine: a second window on the same folder,
// damaged or too large databases, locations that cannot be loaded. None of them
// may lose what is there or strand the party.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/AdventureLock.h"
#include "session/SessionDatabase.h"
#include "support/AdventureFolder.h"
#include "support/EngineFixture.h"

namespace fs = std::filesystem;

namespace {

const char* const Adventure = R"SQL(
insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6'), ('EncText', '0'),
  ('EncImg', '0'), ('ChStart', '0'), ('StartID', '1001'), ('AdvTitle', 'Broken Things');
insert into locations (id, name, brief) values (1001, 'The Gate', 'A tall gate.'), (1002, 'The Square', 'A square.'),
  (1003, 'The Cellar', 'A cellar.');
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values
  (1002, 1001, 'the square', 1, 1), (1003, 1001, 'the cellar door', 2, 1), (1099, 1001, 'a painted door', 3, 1);
insert into creature_templates (id, name, endurance) values (7, 'Rat', 4);
with recursive n(x) as (select 1 union all select x + 1 from n where x < 200)
  insert into creatures (id, template_id) select 30000 + x, 7 from n;
)SQL";

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// What shows a file was not written: its size, its time and its first megabyte
// (a sparse database is far too large to read whole).
std::string Fingerprint(const std::string& path)
{
    std::string head(1 << 20, '\0');
    std::ifstream file(path, std::ios::binary);
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(file.gcount()));
    return std::to_string(fs::file_size(path)) + " " +
           std::to_string(fs::last_write_time(path).time_since_epoch().count()) + " " + head;
}

class BrokenAdventureTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Form().FormCreate();
        Process().AppDir = Folder.Temp.Path;
    }

    std::string DataDb() const { return Folder.Game() + "/data.db"; }
    std::string SessionDb() const { return Folder.Game() + "/temp.db"; }

    void Damage(const std::string& statements)
    {
        TSQLite3 db;
        db.Open(DataDb());
        ASSERT_EQ(db.Execute(statements), 0) << db.LastMessage;
    }

    // Start Game refused with a message holding expected: no book, data.db as it was.
    void ExpectRefusedStart(const std::string& expected)
    {
        const std::string before = Fingerprint(DataDb());
        Queue("expect-box " + expected + "\nanswer ok");
        Form().Click("StartGame");
        EXPECT_NE(TestHost.LastBoxText().find(expected), std::string::npos) << TestHost.LastBoxText();
        EXPECT_TRUE(Process().GameDir.empty());
        EXPECT_EQ(Form().DataManager, nullptr);
        EXPECT_EQ(Process().SessionDb, nullptr);
        EXPECT_TRUE(GameClient().SessionClosed);
        EXPECT_EQ(Form().Caption, "Vellumora Engine 1.6");
        EXPECT_EQ(Fingerprint(DataDb()), before);
    }

    void StartGame()
    {
        Queue("answer ok");
        Form().Click("StartGame");
        ASSERT_NE(GameClient().CurrentLocation, nullptr);
    }

    TAdventureFolder Folder{Adventure};
};

} // namespace

TEST(AdventureLockTest, OneHolderAtATimeAndNoneAfterIt)
{
    TTempFolder folder;
    {
        TAdventureLock first(folder.Path);
        EXPECT_TRUE(first.Held());
        TAdventureLock second(folder.Path);
        EXPECT_FALSE(second.Held());
        EXPECT_TRUE(second.HeldElsewhere());
    }
    // Nothing is left behind that would keep the next game out.
    TAdventureLock next(folder.Path);
    EXPECT_TRUE(next.Held());
    EXPECT_TRUE(fs::is_empty(folder.Path));
    TAdventureLock missing(folder / "nowhere");
    EXPECT_FALSE(missing.Held());
    EXPECT_FALSE(missing.HeldElsewhere());
}

TEST_F(BrokenAdventureTest, ASecondWindowIsRefusedAndTheFirstGamePlaysOn)
{
    StartGame();
    {
        // Another window trying the same folder while this game goes on.
        TAdventureLock otherWindow(Folder.Game());
        EXPECT_TRUE(otherWindow.HeldElsewhere());
    }
    Form().Click("BtnN");
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1002);

    // The other way round: the other window plays, this one tries to start.
    const std::string session = FileBytes(SessionDb());
    Queue("answer no");
    Form().Click("CloseBook");
    TAdventureLock otherGame(Folder.Game());
    ASSERT_TRUE(otherGame.Held());
    std::ofstream(SessionDb(), std::ios::binary) << session;
    ExpectRefusedStart("This adventure is already open in another window.");
    EXPECT_EQ(FileBytes(SessionDb()), session);
}

TEST_F(BrokenAdventureTest, ADamagedAdventureStopsTheStartWithOneMessage)
{
    struct Case {
        const char* what;
        const char* damage;
        const char* message;
    };
    const Case cases[] = {
        {"two creatures with one id",
         "create table old as select * from creatures; drop table creatures; "
         "create table creatures (id INTEGER, template_id INTEGER); insert into creatures select * from old; "
         "insert into creatures values (30001, 7); drop table old",
         "UNIQUE constraint failed"},
        {"no id generator", "drop table item_id_gen", "no such table: item_id_gen"},
        {"a location table without its columns", "drop table locations; create table locations (id INTEGER)",
         "no such column"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TAdventureFolder folder{Adventure};
        Process().AppDir = folder.Temp.Path;
        TSQLite3 db;
        db.Open(folder.Game() + "/data.db");
        ASSERT_EQ(db.Execute(c.damage), 0) << db.LastMessage;
        db.Close();
        const std::string before = FileBytes(folder.Game() + "/data.db");
        Queue(std::string("expect-box is damaged and cannot be started: ") + c.message + "\nanswer ok");
        Form().Click("StartGame");
        EXPECT_NE(TestHost.LastBoxText().find(c.message), std::string::npos) << TestHost.LastBoxText();
        EXPECT_TRUE(Process().GameDir.empty());
        EXPECT_EQ(Process().SessionDb, nullptr);
        EXPECT_FALSE(fs::exists(folder.Game() + "/temp.db"));
        EXPECT_EQ(FileBytes(folder.Game() + "/data.db"), before);
    }
}

TEST_F(BrokenAdventureTest, ADamagedTablePageStopsTheStart)
{
    TSQLite3 db;
    db.Open(DataDb());
    db.Execute("select rootpage from sqlite_master where name = 'creatures'", true);
    const int64_t page = std::stoll(db.Rows[0]->GetItem("rootpage"));
    db.Execute("pragma page_size", true);
    const int64_t size = std::stoll(db.Rows[0]->GetItem("page_size"));
    db.Close();
    {
        std::fstream file(DataDb(), std::ios::binary | std::ios::in | std::ios::out);
        file.seekp((page - 1) * size);
        file << std::string(static_cast<size_t>(size), '\x5A');
    }
    ExpectRefusedStart("is damaged and cannot be started");
    EXPECT_FALSE(fs::exists(SessionDb()));
}

// An adventure larger than the free space: its database is made to look that
// large by a sparse tail, which no copy is ever made of.
TEST_F(BrokenAdventureTest, TooLittleRoomIsSaidBeforeAnythingIsCopied)
{
    std::error_code error;
    const uintmax_t huge = uintmax_t{15} << 40;
    fs::resize_file(DataDb(), huge, error);
    if (error || fs::space(Folder.Game()).available >= SessionSpaceNeeded(huge))
        GTEST_SKIP() << "this file system cannot hold a sparse file larger than its free space";
    ExpectRefusedStart("is too full to start the game: it needs about " +
                       std::to_string(SessionSpaceNeeded(huge) / (1024 * 1024)) + " MB free.");
    EXPECT_FALSE(fs::exists(SessionDb()));
}

TEST_F(BrokenAdventureTest, AFolderNamedLikeThePictureIsPassedOver)
{
    fs::create_directories(Folder.Game() + "/Images/logo.bmp");
    StartGame();
    EXPECT_EQ(GameClient().CurrentLocation->Id, 1001);
}

TEST_F(BrokenAdventureTest, NoMoreCharactersAreOfferedThanThePartyHolds)
{
    Damage("update general set value = '9' where name = 'ChStart'");
    Queue("expect-box Create a character? (6 max,0 created so far)\nanswer no");
    Form().Click("StartGame");
    EXPECT_EQ(TestHost.LastBoxText(), "Create a character? (6 max,0 created so far)");
    EXPECT_TRUE(Process().GameDir.empty());
}

// A move to a place that cannot be entered is refused before the pane is cleared:
// the party keeps its place, its exits and what it was told.
TEST_F(BrokenAdventureTest, AMoveToAPlaceThatCannotBeLoadedIsRefused)
{
    struct Case {
        const char* what;
        const char* button;
        const char* damage;
        const char* message;
    };
    const Case cases[] = {
        {"no such place", "BtnS", "", "The adventure has no location 1099."},
        {"a column left empty", "BtnN", "update locations set mapX = NULL where id = 1002",
         "The location 1002 cannot be entered: '' is not a valid integer value"},
        {"a column missing", "BtnE", "alter table locations drop column area_id",
         "The location 1003 cannot be entered"},
    };
    StartGame();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TLocation* gate = GameClient().CurrentLocation;
        Process().SessionDb->Execute(c.damage);
        const std::string screen = Screen();
        Queue(std::string("expect-box ") + c.message + "\nanswer ok");
        Form().Click(c.button);
        EXPECT_NE(TestHost.LastBoxText().find(c.message), std::string::npos) << TestHost.LastBoxText();
        EXPECT_EQ(GameClient().CurrentLocation, gate);
        EXPECT_EQ(gate->Id, 1001);
        EXPECT_EQ(Screen(), screen);
        for (const char* exit : {"BtnN", "BtnE", "BtnS"})
            EXPECT_TRUE(Form().Control(exit).Enabled) << exit;
        // Nothing half-loaded stays behind to be found later.
        for (const auto& location : Form().LocationManager->Pool())
            EXPECT_TRUE(location->Id == 0 || location->Id == 1001) << location->Id;
        EXPECT_EQ(Process().SessionDb->Depth(), 0);
    }
}

TEST_F(BrokenAdventureTest, AFullDiskDuringPlayIsSaid)
{
    StartGame();
    TSQLite3& db = *Process().SessionDb;
    db.Execute("pragma page_count", true);
    // Room for nothing more: the next write that needs a page fails.
    db.Execute("pragma max_page_count = " + db.Rows[0]->GetItem("page_count"));
    std::string rows = "insert into switches values ('a', 1)";
    for (int row = 0; row < 2000; ++row)
        rows += ", ('switch number " + std::to_string(row) + "', 1)";
    try {
        db.Execute(rows);
        ADD_FAILURE() << "the write went through";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.DiskFull());
        EXPECT_NE(std::string(error.what()).find("temp.db cannot be used: database or disk is full"), std::string::npos)
            << error.what();
    }
}
