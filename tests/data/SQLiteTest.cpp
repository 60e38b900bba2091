#include <gtest/gtest.h>

#include <stdexcept>

#include "data/Convert.h"
#include "data/SQLite.h"
#include "support/TempFolder.h"

namespace {

class SQLiteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Db.Open(":memory:"), 0);
        Db.LogErrors = true;
        Db.Execute("create table item_templates (id integer, name text, weight integer)");
        Db.Execute("create table items (id integer, template_id integer, note text)");
        Db.Execute("insert into item_templates values (5, 'Lantern', 3)");
        Db.Execute("insert into items values (27000217, 5, NULL)");
    }

    TSQLite3 Db;
};

} // namespace

TEST_F(SQLiteTest, RowsAreTextHashesWithTheLaterColumnWinning)
{
    ASSERT_EQ(Db.Execute("select * from item_templates t, items i where t.id = i.template_id and i.id = 27000217",
                         true),
              0);
    ASSERT_EQ(Db.Rows.size(), 1u);
    const TStringHash& row = *Db.Rows[0];
    EXPECT_EQ(row.GetItem("id"), "27000217");
    EXPECT_EQ(row.GetItem("name"), "Lantern");
    EXPECT_EQ(row.GetItem("weight"), "3");
    EXPECT_EQ(row.GetItem("note"), "");
    EXPECT_THROW(StrToInt(row.GetItem("note")), EConvertError);
    EXPECT_THROW(row.GetItem("missing"), EHashFindError);
    EXPECT_EQ(Db.ColumnNames,
              (std::vector<std::string>{"id", "name", "weight", "id", "template_id", "note"}));
    EXPECT_TRUE(Db.ErrorLog.empty());
}

TEST_F(SQLiteTest, RowsWantedReplacesRowsOtherwiseTheyStay)
{
    Db.Execute("select name from item_templates", true);
    ASSERT_EQ(Db.Rows.size(), 1u);
    Db.Execute("insert into item_templates values (6, 'Rope', 1)");
    ASSERT_EQ(Db.Rows.size(), 1u);
    EXPECT_EQ(Db.Rows[0]->GetItem("name"), "Lantern");
    EXPECT_EQ(Db.LastInsertRowId(), 2);

    Db.Execute("select name from item_templates where id = 99", true);
    EXPECT_TRUE(Db.Rows.empty());
    EXPECT_TRUE(Db.ColumnNames.empty());

    Db.Execute("select name from item_templates order by id", true);
    TRecordSet taken = Db.TakeRows();
    EXPECT_TRUE(Db.Rows.empty());
    Db.Execute("select id from items", true);
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[1]->GetItem("name"), "Rope");
    EXPECT_EQ(Db.Rows[0]->GetItem("id"), "27000217");
}

TEST_F(SQLiteTest, FailuresAreLoggedExceptMissingTables)
{
    EXPECT_NE(Db.Execute("drop table no_such_thing"), 0);
    EXPECT_NE(Db.LastMessage.find("no such table"), std::string::npos);
    EXPECT_TRUE(Db.ErrorLog.empty());

    EXPECT_NE(Db.Execute("selekt 1"), 0);
    ASSERT_EQ(Db.ErrorLog.size(), 1u);
    const std::string& line = Db.ErrorLog[0];
    const std::string tail = "\tselekt 1 : " + Db.LastMessage;
    ASSERT_GT(line.size(), tail.size());
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail);

    // Success also refreshes the message.
    EXPECT_EQ(Db.Execute("select 1"), 0);
    EXPECT_EQ(Db.LastMessage, "not an error");

    Db.LogErrors = false;
    Db.Execute("selekt 2");
    EXPECT_EQ(Db.ErrorLog.size(), 1u);
}

TEST_F(SQLiteTest, TransactionsDiscardTheirErrors)
{
    Db.BeginTransaction();
    Db.Execute("insert into items values (1, 5, 'x')");
    Db.CommitTransaction();
    Db.CommitTransaction();  // fails: none open
    EXPECT_TRUE(Db.ErrorLog.empty());
    Db.Execute("select count(*) as n from items", true);
    EXPECT_EQ(Db.Rows[0]->GetItem("n"), "2");
}

TEST_F(SQLiteTest, AnInnerTransactionJoinsTheOuterOne)
{
    Db.BeginTransaction();
    Db.Execute("delete from items");
    Db.BeginTransaction();
    Db.Execute("insert into items values (7, 1, 'inner')");
    Db.CommitTransaction();
    // Still inside the outer transaction: undoing it undoes the inner work too.
    EXPECT_EQ(Db.Execute("rollback"), 0);
    Db.Execute("select count(*) as n from items", true);
    EXPECT_EQ(Db.Rows[0]->GetItem("n"), "1");
}

TEST_F(SQLiteTest, AScopeLeftByAnExceptionUndoesOnlyItsOwnPart)
{
    {
        TTransaction outer(Db);
        Db.Execute("insert into items values (7, 1, 'outer')");
        try {
            TTransaction inner(Db);
            Db.Execute("insert into items values (8, 1, 'inner')");
            throw std::runtime_error("load failed");
        } catch (const std::runtime_error&) {
        }
        outer.Commit();
    }
    EXPECT_EQ(Db.Depth(), 0);
    Db.Execute("select group_concat(id) as ids from items", true);
    EXPECT_EQ(Db.Rows[0]->GetItem("ids"), "27000217,7");

    try {
        TTransaction failed(Db);
        Db.Execute("delete from items");
        throw std::runtime_error("save failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Db.Depth(), 0);
    Db.Execute("select count(*) as n from items", true);
    EXPECT_EQ(Db.Rows[0]->GetItem("n"), "2");
}

TEST(SQLiteClosedTest, NoDatabaseIsOpen)
{
    TSQLite3 db;
    db.LogErrors = true;
    EXPECT_FALSE(db.Version.empty());
    EXPECT_EQ(db.Execute("select 1", true), 1);
    EXPECT_EQ(db.LastMessage, "No database is open");
    ASSERT_EQ(db.ErrorLog.size(), 1u);
    EXPECT_NE(db.ErrorLog[0].find("\tselect 1 : No database is open"), std::string::npos);
    EXPECT_EQ(db.LastInsertRowId(), 0);
    EXPECT_EQ(db.LastMessage, "No database is open");
    db.BeginTransaction();
    db.CommitTransaction();
    EXPECT_EQ(db.Close(), 0);
    EXPECT_EQ(db.LastMessage, "Database Closed");
}

TEST(SQLiteClosedTest, AClosedConnectionRefusesStatements)
{
    TTempFolder folder;
    TSQLite3 db;
    ASSERT_EQ(db.Open(folder / "temp.db"), 0);
    db.LogErrors = true;
    EXPECT_EQ(db.Execute("create table t (a)"), 0);
    EXPECT_EQ(db.Close(), 0);
    EXPECT_EQ(db.Execute("insert into t values (1)"), 1);
    EXPECT_EQ(db.LastMessage, "No database is open");

    // The file kept what was written before the close; True and False are stored as 1 and 0.
    ASSERT_EQ(db.Open(folder / "temp.db"), 0);
    EXPECT_EQ(db.Execute("insert into t values (True), (False)"), 0);
    db.Execute("select a from t order by rowid", true);
    ASSERT_EQ(db.Rows.size(), 2u);
    EXPECT_EQ(db.Rows[0]->GetItem("a"), "1");
    EXPECT_EQ(db.Rows[1]->GetItem("a"), "0");
}

TEST(SqlQuoteTest, DoublesQuotes)
{
    EXPECT_EQ(SqlQuote("Ogre's Club"), "'Ogre''s Club'");
    EXPECT_EQ(SqlQuote(""), "''");
}
