#include "data/SessionSchema.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <sqlite3.h>

#include "data/SQLite.h"

const std::array<const char*, 88> PlayerColumns = {
    "id", "party_pos", "name", "race_name", "male", "end_max", "end", "mana_max", "mana", "class", "level",
    "next_level", "experience", "ab_str", "ab_dex", "ab_mind", "ab_faith", "ab_const", "res_physical",
    "res_pierce", "res_blunt", "res_slash", "res_fire", "res_acid", "res_cold", "res_electric", "res_poison",
    "weapon_axe", "weapon_bow", "weapon_club", "weapon_crossbow", "weapon_dagger", "weapon_darts",
    "weapon_flail", "weapon_great_sword", "weapon_hammer", "weapon_longsword", "weapon_mace_morning_star",
    "weapon_short_sword", "weapon_sling", "weapon_spear", "weapon_staff", "weapon_two_handed_axe",
    "attack_roll", "delay", "mod_atk_melee", "mod_atk_missile", "mod_atk_wizard", "mod_atk_priest",
    "mod_dmg_melee", "mod_dmg_missile", "mod_dmg_wizard", "mod_dmg_priest", "armor_melee", "armor_missile",
    "armor_wizard", "armor_priest", "base_end_max", "base_mana_max", "base_ab_str", "base_ab_dex",
    "base_ab_mind", "base_ab_faith", "base_ab_const", "base_res_physical", "base_res_pierce", "base_res_blunt",
    "base_res_slash", "base_res_fire", "base_res_acid", "base_res_cold", "base_res_electric", "base_res_poison",
    "base_attack_roll", "base_delay", "base_mod_atk_melee", "base_mod_atk_missile", "base_mod_atk_wizard",
    "base_mod_atk_priest", "base_mod_dmg_melee", "base_mod_dmg_missile", "base_mod_dmg_wizard",
    "base_mod_dmg_priest", "base_armor_melee", "base_armor_missile", "base_armor_wizard", "base_armor_priest",
    "gold",
};

namespace {

int ColumnIndex(const char* name)
{
    const auto found =
        std::find_if(PlayerColumns.begin(), PlayerColumns.end(), [name](const char* c) { return !std::strcmp(c, name); });
    return static_cast<int>(found - PlayerColumns.begin());
}

bool HasDefaultZero(int index)
{
    const std::string name = PlayerColumns[index];
    if (index >= ColumnIndex("ab_dex") && index <= ColumnIndex("weapon_two_handed_axe"))
        return true;
    if (name.rfind("mod_", 0) == 0 || name.rfind("armor_", 0) == 0)
        return true;
    return index >= ColumnIndex("base_ab_dex") && index < ColumnIndex("gold") && name != "base_attack_roll" &&
           name != "base_delay";
}

void RunAll(TSQLite3& db, const std::vector<std::string>& statements)
{
    for (const std::string& statement : statements)
        db.ExecuteChecked(statement);
}

// One step of the conversion: all of its statements or none. A failed statement
// raises and the step rolls back, so no table is ever dropped without its copy.
void RunStep(TSQLite3& db, const std::vector<std::string>& statements)
{
    TTransaction transaction(db);
    RunAll(db, statements);
    transaction.Commit();
}

// The instance tables are rebuilt through a temporary copy so that they gain
// their current-state columns; every instance id is kept. Then the update that
// fills the new columns, when there is one.
std::vector<std::string> Rebuild(const std::string& table, const std::string& columns, const std::string& copyIn,
                                 const std::string& copyBack, const std::string& fill = {})
{
    const std::string temporary = table + "1";
    std::vector<std::string> statements = {
        "create temp table " + temporary + "(" + columns + ")",
        "insert into " + temporary + copyIn + " from " + table,
        "drop table " + table,
        "create table " + table + "(" + columns + ")",
        "insert into " + table + " " + copyBack + " from " + temporary,
        "drop table " + temporary,
    };
    if (!fill.empty())
        statements.push_back(fill);
    return statements;
}

std::string FromTemplate(const std::string& table, const std::string& templates,
                         const std::vector<std::pair<std::string, std::string>>& columns)
{
    std::string statement = "update " + table + " set ";
    for (size_t index = 0; index < columns.size(); ++index) {
        statement += (index ? ", " : "") + columns[index].first + " = (select " + columns[index].second + " from " +
                     templates + " where " + templates + ".id = " + table + ".template_id)";
    }
    return statement;
}

} // namespace

std::string PlayersTableDdl()
{
    std::string ddl = "create table players(";
    for (int index = 0; index < static_cast<int>(PlayerColumns.size()); ++index) {
        const std::string name = PlayerColumns[index];
        ddl += index ? ", " : "";
        ddl += name;
        if (name == "id")
            ddl += " INTEGER PRIMARY KEY";
        else if (name == "name" || name == "race_name")
            ddl += " TEXT";
        else
            ddl += HasDefaultZero(index) ? " INTEGER DEFAULT 0" : " INTEGER";
    }
    return ddl + ")";
}

void ConvertToSessionDatabase(TSQLite3& db)
{
    // A damaged page anywhere is found now, not in the middle of a game.
    if (const int result = db.Execute("pragma quick_check(1)", true); result != 0)
        throw EDatabaseError(db.LastMessage, result);
    if (db.Rows.empty() || db.Rows[0]->GetItem("quick_check") != "ok")
        throw EDatabaseError("the database file is damaged", SQLITE_CORRUPT);
    // New object ids come from item_id_gen: an adventure without it would hand
    // out ids that rows already have.
    RunAll(db, {"PRAGMA synchronous = OFF;", "select id from item_id_gen limit 1", "drop table if exists texts;",
                "drop table if exists scripts;"});
    RunStep(db, Rebuild("items",
                        "id INTEGER PRIMARY KEY, template_id INTEGER, cidentified INTEGER DEFAULT 1, ccharges INTEGER "
                        "DEFAULT -1",
                        "(id,template_id) select id,template_id", "select id,template_id,cidentified,ccharges",
                        FromTemplate("items", "item_templates", {{"cidentified", "identified"}, {"ccharges", "charges"}})));
    RunStep(db, Rebuild("weapons",
                        "id INTEGER PRIMARY KEY, template_id INTEGER, cidentified INTEGER DEFAULT 1, ccharges INTEGER "
                        "DEFAULT -1, cweapon_uses INTEGER DEFAULT -1",
                        "(id,template_id) select id,template_id", "select id,template_id,cidentified,ccharges,cweapon_uses",
                        FromTemplate("weapons", "weapon_templates",
                                     {{"cidentified", "identified"}, {"ccharges", "charges"}, {"cweapon_uses", "weapon_uses"}})));
    RunStep(db, Rebuild("creatures",
                        "id INTEGER PRIMARY KEY, template_id INTEGER, cgold INTEGER DEFAULT 0, cendurance INTEGER DEFAULT 1, "
                        "cmana INTEGER DEFAULT 0, cinitialized INTEGER DEFAULT 0",
                        "(id,template_id) select id,template_id", "select *",
                        FromTemplate("creatures", "creature_templates",
                                     {{"cgold", "gold"}, {"cendurance", "endurance"}, {"cmana", "mana"}})));
    const std::string locationColumns = "id,name,intro_id,desc_id,brief,script_id,terrain_type_id,mapX,mapY,area_id";
    RunStep(db, Rebuild("locations",
                        "id INTEGER PRIMARY KEY, name TEXT , intro_id INTEGER,desc_id INTEGER, brief TEXT, script_id INTEGER, "
                        "terrain_type_id INTEGER, mapX INTEGER DEFAULT -1, mapY INTEGER DEFAULT -1, area_id INTEGER "
                        "DEFAULT 0, visited INTEGER DEFAULT 0",
                        "(" + locationColumns + ") select " + locationColumns, "select *"));
    RunStep(db, {
                    PlayersTableDdl(),
                    "create table player_contents(player_id INTEGER, cont_id INTEGER, cont_type INTEGER, body_part_id INTEGER)",
                    "create table player_skills(player_id INTEGER, skill_name TEXT, skill_type INTEGER, skill_value INTEGER, "
                    "skill_script TEXT)",
                    "create table player_state(player_id INTEGER, state_id INTEGER)",
                });
    RunStep(db, {
                    "create table journal(jtext TEXT)",
                    "insert into journal values('')",
                    "create table quests(qtext TEXT)",
                    "insert into quests values('')",
                    "create table maps(mtext TEXT)",
                    "insert into maps values('')",
                    "create table switches(name TEXT, value INTEGER)",
                    "create table save_data(engine_version INTEGER, loc_id INTEGER, datetime TEXT, savename TEXT)",
                    "insert into save_data values(0, 0, '0.0', '')",
                });
    db.ExecuteChecked("PRAGMA synchronous = NORMAL;");
}

int64_t NewObjectId(TSQLite3& db)
{
    // Without the generator the last insert id is some other row's: never hand it out.
    if (const int result = db.Execute("insert into item_id_gen(id) values(NULL)"); result != 0)
        throw EDatabaseError("The adventure cannot make a new object id: " + db.LastMessage, result);
    const int64_t id = db.LastInsertRowId();
    // A generator that lags behind the ids in use would hand out an id that
    // already names an object: it is moved past all of them instead.
    const std::string used = std::to_string(id);
    db.Execute("select count(*) as n from (select id from items where id = " + used +
                   " union all select id from weapons where id = " + used +
                   " union all select id from container_templates where id = " + used + ")",
               true);
    if (db.Rows.empty() || db.Rows[0]->GetItem("n") == "0")
        return id;
    db.Execute("insert into item_id_gen(id) select max(m) + 1 from (select max(id) as m from item_id_gen "
               "union all select max(id) from items union all select max(id) from weapons "
               "union all select max(id) from container_templates)");
    return db.LastInsertRowId();
}

int64_t NewCreatureCopyId(TSQLite3& db, int64_t sourceId)
{
    db.Execute("insert into creatures (template_id,cgold,cendurance,cmana)  select template_id,cgold,cendurance,cmana "
               "from creatures where id = " +
               std::to_string(sourceId));
    const int64_t copy = db.LastInsertRowId();
    // Copying no row leaves the last insert id of something else: not ours.
    db.Execute("select changes() as n", true);
    return !db.Rows.empty() && db.Rows[0]->GetItem("n") == "1" ? copy : 0;
}

int64_t NewPlayerId(TSQLite3& db)
{
    db.Execute("insert into creatures (id,template_id) values (NULL,-1)");
    return db.LastInsertRowId();
}
