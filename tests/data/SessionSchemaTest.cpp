#include <gtest/gtest.h>

#include "AdventureSchema.h"
#include "data/SQLite.h"
#include "data/SessionSchema.h"

namespace {

class SessionSchemaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Db.Open(":memory:"), 0);
        ASSERT_EQ(Db.Execute(AdventureSchemaSql), 0) << Db.LastMessage;
        Db.Execute("insert into item_templates (id, name, identified, charges) values (1, 'Potion', 0, 3), (2, 'Rope', 1, 0)");
        Db.Execute("insert into items (id, template_id) values (21001, 1), (21002, 2), (21003, 99)");
        Db.Execute("insert into weapon_templates (id, name, identified, charges, weapon_uses) values (5, 'Arrows', 1, 0, 20)");
        Db.Execute("insert into weapons (id, template_id) values (22001, 5)");
        Db.Execute("insert into creature_templates (id, name, endurance, mana, gold) values (7, 'Rat', 4, 0, 2)");
        Db.Execute("insert into creatures (id, template_id) values (30001, 7)");
        Db.Execute("insert into locations (id, name, intro_id, desc_id, brief, area_id, mapX, mapY) values (1001, 'Gate', 1, 2, 'The gate.', 1, 3, 4)");
        // The editor may keep more in its instance rows; the session copy drops it.
        Db.Execute("alter table items add column editor_note TEXT");
        Db.LogErrors = true;
    }

    std::string Value(const std::string& query, const std::string& column)
    {
        Db.Execute(query, true);
        return Db.Rows.empty() ? "<no row>" : Db.Rows[0]->GetItem(column);
    }

    TSQLite3 Db;
};

} // namespace

TEST_F(SessionSchemaTest, InstancesTakeTheirCurrentStateFromTheTemplates)
{
    ConvertToSessionDatabase(Db);
    EXPECT_TRUE(Db.ErrorLog.empty()) << Db.ErrorLog.front();
    EXPECT_EQ(Value("select * from items where id = 21001", "cidentified"), "0");
    EXPECT_EQ(Value("select * from items where id = 21001", "ccharges"), "3");
    EXPECT_EQ(Value("select * from items where id = 21002", "cidentified"), "1");
    // A missing template leaves NULL, which reads as the empty text.
    EXPECT_EQ(Value("select * from items where id = 21003", "cidentified"), "");
    EXPECT_EQ(Value("select * from items where id = 21003", "ccharges"), "");
    EXPECT_EQ(Value("select * from weapons where id = 22001", "cweapon_uses"), "20");
    EXPECT_EQ(Value("select * from creatures where id = 30001", "cendurance"), "4");
    EXPECT_EQ(Value("select * from creatures where id = 30001", "cgold"), "2");
    EXPECT_EQ(Value("select * from creatures where id = 30001", "cinitialized"), "0");
    EXPECT_EQ(Value("select * from locations where id = 1001", "visited"), "0");
    EXPECT_EQ(Value("select * from locations where id = 1001", "mapY"), "4");
    Db.Execute("select * from items where id = 21001", true);
    EXPECT_EQ(Db.ColumnNames, (std::vector<std::string>{"id", "template_id", "cidentified", "ccharges"}));

    // The texts and scripts are gone from the session copy.
    EXPECT_NE(Db.Execute("select * from texts"), 0);
    EXPECT_NE(Db.Execute("select * from scripts"), 0);
}

TEST_F(SessionSchemaTest, SessionTablesAndTheirFirstRows)
{
    Db.Execute("drop table texts");
    Db.Execute("drop table scripts");
    ConvertToSessionDatabase(Db);
    EXPECT_TRUE(Db.ErrorLog.empty());
    for (const char* table : {"save_data", "journal", "quests", "maps"})
        EXPECT_EQ(Value(std::string("select count(*) as n from ") + table, "n"), "1") << table;
    EXPECT_EQ(Value("select * from save_data", "datetime"), "0.0");
    EXPECT_EQ(Value("select * from journal", "jtext"), "");
    EXPECT_EQ(Value("select count(*) as n from switches", "n"), "0");

    Db.Execute("pragma table_info(players)", true);
    ASSERT_EQ(Db.Rows.size(), PlayerColumns.size());
    for (size_t index = 0; index < PlayerColumns.size(); ++index)
        EXPECT_EQ(Db.Rows[index]->GetItem("name"), PlayerColumns[index]);

    // Defaults: from ab_dex through the masteries, the mod and armor columns, and
    // the base columns from base_ab_dex on, but not the base attack roll and delay.
    Db.Execute("insert into players (id) values (1)");
    Db.Execute("select * from players", true);
    const TStringHash& row = *Db.Rows[0];
    for (const char* zero : {"ab_dex", "res_poison", "weapon_two_handed_axe", "mod_atk_melee", "armor_priest",
                             "base_ab_dex", "base_res_poison", "base_mod_dmg_priest", "base_armor_priest"})
        EXPECT_EQ(row.GetItem(zero), "0") << zero;
    for (const char* none : {"party_pos", "ab_str", "attack_roll", "delay", "base_end_max", "base_ab_str",
                             "base_attack_roll", "base_delay", "gold"})
        EXPECT_EQ(row.GetItem(none), "") << none;
    // The engine writes bare True and False.
    EXPECT_EQ(Db.Execute("update players set male = True"), 0);
    EXPECT_EQ(Value("select male from players", "male"), "1");
}

TEST_F(SessionSchemaTest, NewIds)
{
    ConvertToSessionDatabase(Db);
    const int64_t first = NewObjectId(Db);
    EXPECT_EQ(NewObjectId(Db), first + 1);
    const int64_t player = NewPlayerId(Db);
    EXPECT_GT(player, 30001);
    EXPECT_EQ(Value("select template_id from creatures where id = " + std::to_string(player), "template_id"), "-1");
    const int64_t copy = NewCreatureCopyId(Db, 30001);
    EXPECT_EQ(copy, player + 1);
    EXPECT_EQ(Value("select * from creatures where id = " + std::to_string(copy), "cendurance"), "4");
    EXPECT_EQ(Value("select * from creatures where id = " + std::to_string(copy), "cinitialized"), "0");
    // A generator behind the ids in use never hands out one of them.
    Db.Execute("delete from item_id_gen");
    Db.Execute("insert into items (id, template_id) values (1, 2)");
    const int64_t fresh = NewObjectId(Db);
    EXPECT_GT(fresh, 22001);

    // Copying a creature that does not exist gives no id, not a stale one.
    EXPECT_EQ(NewCreatureCopyId(Db, 99999), 0);
}

// A conversion that cannot finish raises at the failed step and drops no table
// whose copy did not succeed: every instance row is still there.
TEST_F(SessionSchemaTest, AFailedConversionRaisesAndKeepsEveryRow)
{
    struct Case {
        const char* what;
        std::string damage;
        bool diskFull;
        const char* message;
    };
    std::string manyItems = "insert into items (id, template_id) values (30000, 1)";
    for (int id = 30001; id < 32000; ++id)
        manyItems += ", (" + std::to_string(id) + ", 2)";
    const Case cases[] = {
        {"two items with one id",
         "create table items_old as select * from items; drop table items; create table items (id INTEGER, "
         "template_id INTEGER); insert into items select id, template_id from items_old; insert into items values "
         "(21001, 2); drop table items_old",
         false, "UNIQUE constraint failed"},
        {"no id generator", "drop table item_id_gen", false, "no such table: item_id_gen"},
        // The rebuilt rows need more pages than the table gave up.
        {"a full disk", manyItems, true, "full"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        ASSERT_EQ(Db.Execute(c.damage), 0) << Db.LastMessage;
        // No room beyond what the adventure takes already.
        if (c.diskFull)
            Db.Execute("pragma max_page_count = " + Value("pragma page_count", "page_count"));
        const std::string items = Value("select count(*) as n from items", "n");
        try {
            ConvertToSessionDatabase(Db);
            ADD_FAILURE() << "the conversion went through";
        } catch (const EDatabaseError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
            EXPECT_EQ(error.DiskFull(), c.diskFull);
        }
        EXPECT_EQ(Db.Depth(), 0);
        EXPECT_EQ(Value("select count(*) as n from items", "n"), items);
        EXPECT_EQ(Value("select count(*) as n from weapons", "n"), "1");
        EXPECT_EQ(Value("select count(*) as n from creatures", "n"), "1");
    }
}

TEST_F(SessionSchemaTest, NoIdGeneratorMeansNoNewObjectId)
{
    ConvertToSessionDatabase(Db);
    NewObjectId(Db);
    Db.Execute("drop table item_id_gen");
    EXPECT_THROW(NewObjectId(Db), EDatabaseError);
}
