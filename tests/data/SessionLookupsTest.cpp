#include <gtest/gtest.h>

#include <fstream>

#include "AdventureSchema.h"
#include "data/SQLite.h"
#include "data/SessionLookups.h"
#include "data/SessionSchema.h"
#include "support/TempFolder.h"

namespace {

// A converted session copy in a file, as a new game leaves it before play.
class SessionLookupsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Db.Open(File()), 0);
        ASSERT_EQ(Db.Execute(AdventureSchemaSql), 0) << Db.LastMessage;
        Db.LogErrors = true;
    }

    void Convert()
    {
        ConvertToSessionDatabase(Db);
        PrepareSessionDatabase(Db);
    }

    std::string File() const { return Temp / "temp.db"; }

    std::vector<std::string> Column(const std::string& query, const std::string& column)
    {
        std::vector<std::string> values;
        for (const auto& row : Db.Query(query))
            values.push_back(row->GetItem(column));
        return values;
    }

    std::vector<std::string> EngineIndexes()
    {
        return Column("select name from sqlite_master where type = 'index' and name like 'vellumora_%' order by name",
                      "name");
    }

    TTempFolder Temp;
    TSQLite3 Db;
};

} // namespace

// The lookups every arrival and every object load make find their rows without
// reading the whole table.
TEST_F(SessionLookupsTest, LookupsByOwnerSearchRatherThanScan)
{
    Convert();
    const char* const queries[] = {
        "select * from locations where id = 7",
        "select ROWID as loc_ci, loc_id,ctype,cont_id,visible from loc_cont where loc_id = 7",
        "select exit_id,exit_name,orientation from exits where visible = 1 and loc_id = 7",
        "update locations set visited = 1 where id = 7",
        "select * from item_templates t, items i where t.id = i.template_id and i.id = 7",
        "select * from creature_templates t, creatures c where t.id = c.template_id and c.id = 7",
        "select * from creature_contents where creature_id = 7",
        "delete from creature_contents where creature_id = 7",
        "select * from player_contents where player_id = 7 order by body_part_id ASC",
        "select state_id from player_state where player_id = 7",
        "select type, content_id from container_contents where container_id = 7",
        "select name,value from modifiers where type = 1 and id = 7",
        "select name,value from extended_data where type = 1 and id = 7",
        "select class_id from item_usable_by where template_id = 7",
        "select * from shop_contents where shop_id = 7",
    };
    for (const char* query : queries)
        for (const std::string& step : Column(std::string("explain query plan ") + query, "detail"))
            EXPECT_EQ(step.find("SCAN"), std::string::npos) << query << ": " << step;
}

TEST_F(SessionLookupsTest, RowsOfOneOwnerComeInTheOrderTheyWereWritten)
{
    Db.Execute("insert into loc_cont (loc_id, ctype, cont_id) values (8, 5, 1), (7, 5, 30), (8, 5, 2), (7, 5, 10), "
               "(7, 5, 20)");
    Convert();
    EXPECT_EQ(Column("select ROWID as loc_ci, loc_id,ctype,cont_id,visible from loc_cont where loc_id = 7", "cont_id"),
              (std::vector<std::string>{"30", "10", "20"}));
}

// The indexes live in the file, so a copy of it keeps them, and the file stays
// one that any SQLite 3 program opens as it is: no write-ahead log beside it.
TEST_F(SessionLookupsTest, TheSessionFileKeepsItsIndexesAndStaysAnOrdinaryDatabase)
{
    Convert();
    const std::vector<std::string> indexes = EngineIndexes();
    EXPECT_NE(std::find(indexes.begin(), indexes.end(), "vellumora_loc_cont_loc_id"), indexes.end());
    EXPECT_NE(std::find(indexes.begin(), indexes.end(), "vellumora_exits_loc_id"), indexes.end());
    Db.Close();

    std::ifstream file(File(), std::ios::binary);
    char header[20] = {};
    file.read(header, sizeof header);
    EXPECT_EQ(std::string(header, 16), std::string("SQLite format 3\0", 16));
    EXPECT_EQ(header[18], 1) << "the file must not need a write-ahead log";
    EXPECT_EQ(header[19], 1);

    TSQLite3 reopened;
    ASSERT_EQ(reopened.Open(File()), 0);
    reopened.Execute("PRAGMA integrity_check", true);
    ASSERT_FALSE(reopened.Rows.empty());
    EXPECT_EQ(reopened.Rows[0]->GetItem("integrity_check"), "ok");
    reopened.Execute("PRAGMA journal_mode", true);
    ASSERT_FALSE(reopened.Rows.empty());
    EXPECT_EQ(reopened.Rows[0]->GetItem("journal_mode"), "delete");
}

// The journal is kept in memory, not switched off: what fails halfway still
// leaves the session as it was.
TEST_F(SessionLookupsTest, WorkLeftUnfinishedStillRollsBack)
{
    Convert();
    {
        TTransaction outer(Db);
        Db.Execute("insert into loc_cont (loc_id, ctype, cont_id) values (7, 5, 1)");
        {
            TTransaction inner(Db);
            Db.Execute("update locations set visited = 1");
            Db.Execute("insert into loc_cont (loc_id, ctype, cont_id) values (7, 5, 2)");
        }
        EXPECT_EQ(Column("select cont_id from loc_cont where loc_id = 7", "cont_id"), (std::vector<std::string>{"1"}));
    }
    EXPECT_TRUE(Column("select cont_id from loc_cont where loc_id = 7", "cont_id").empty());
    EXPECT_TRUE(Db.ErrorLog.empty()) << Db.ErrorLog.front();
}

// An adventure whose editor made fewer tables still gets the other indexes, and a
// session prepared again (a restored copy) is left as it is.
TEST_F(SessionLookupsTest, MissingTablesAreSkippedAndPreparingAgainChangesNothing)
{
    Db.Execute("drop table item_spells");
    Db.Execute("drop table shop_contents");
    Convert();
    const std::vector<std::string> indexes = EngineIndexes();
    EXPECT_NE(std::find(indexes.begin(), indexes.end(), "vellumora_loc_cont_loc_id"), indexes.end());
    EXPECT_EQ(std::find(indexes.begin(), indexes.end(), "vellumora_item_spells_item_id"), indexes.end());
    PrepareSessionDatabase(Db);
    EXPECT_EQ(EngineIndexes(), indexes);
    EXPECT_TRUE(Db.ErrorLog.empty()) << Db.ErrorLog.front();
}
