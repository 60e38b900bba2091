#include <gtest/gtest.h>

#include "data/AdventureLookups.h"
#include "data/SQLite.h"

namespace {

class AdventureLookupsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Db.Open(":memory:"), 0);
        // As an editor may leave them: no keys, a repeated id, rows out of order.
        Db.Execute("create table texts (id INTEGER, file TEXT, text TEXT)");
        Db.Execute("insert into texts values (12, 'b.txt', 'second b'), (11, 'a.txt', 'first a'), "
                   "(12, 'c.txt', 'third'), (11, 'a.txt', 'later a')");
        Db.Execute("create table scripts (id INTEGER, file TEXT, text TEXT)");
        Db.Execute("insert into scripts values (7, 'walk.js', 'go()')");
        Db.LogErrors = true;
    }

    std::vector<std::string> Texts(const std::string& query)
    {
        std::vector<std::string> texts;
        for (const auto& row : Db.Query(query))
            texts.push_back(row->GetItem("text"));
        return texts;
    }

    TSQLite3 Db;
};

} // namespace

// The lookups return what reading the whole table returned, in the same order.
TEST_F(AdventureLookupsTest, LookupsReturnTheRowsOfAFullReadInOrder)
{
    const char* const queries[] = {
        "select text from texts where id = 12",
        "select text from texts where id = 11",
        "select text from texts where id = 99",
        "select text from texts where file = 'a.txt'",
        "select text from texts where file = 'none.txt'",
        "select file,text from scripts where id = 7",
        "select file,text from scripts where file = 'walk.js'",
    };
    std::vector<std::vector<std::string>> before;
    for (const char* query : queries)
        before.push_back(Texts(query));
    IndexAdventureLookups(Db);
    for (size_t index = 0; index < std::size(queries); ++index)
        EXPECT_EQ(Texts(queries[index]), before[index]) << queries[index];
    EXPECT_TRUE(Db.ErrorLog.empty()) << Db.ErrorLog.front();
}

TEST_F(AdventureLookupsTest, LookupsSearchRatherThanReadTheWholeTable)
{
    IndexAdventureLookups(Db);
    for (const char* query : {"select text from texts where id = 12", "select text from texts where file = 'a.txt'",
                              "select file,text from scripts where id = 7"})
        for (const auto& step : Db.Query(std::string("explain query plan ") + query))
            EXPECT_EQ(step->GetItem("detail").find("SCAN"), std::string::npos) << query;
}

// An adventure without scripts reads as before: the lookup finds nothing, and
// making the index leaves nothing in the log.
TEST_F(AdventureLookupsTest, AMissingTableStaysMissing)
{
    Db.Execute("drop table scripts");
    IndexAdventureLookups(Db);
    EXPECT_TRUE(Db.ErrorLog.empty()) << Db.ErrorLog.front();
    EXPECT_TRUE(Texts("select file,text from scripts where id = 7").empty());
    EXPECT_EQ(Texts("select text from texts where id = 11"), (std::vector<std::string>{"first a", "later a"}));
}
