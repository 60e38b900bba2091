#include "AdventureCheck.h"

#include "data/Convert.h"
#include "data/SQLite.h"
#include "script/ScriptRegistry.h"

namespace {

struct TReference {
    const char* Table;
    const char* Column;
    // Which rows name something at all.
    const char* Where;
    const char* Target;
    const char* TargetColumn;
    const char* Problem;
};

const TReference References[] = {
    {"locations", "intro_id", "intro_id <> 0", "texts", "id", "names a missing text"},
    {"locations", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"locations", "area_id", "area_id <> 0", "areas", "id", "names a missing area"},
    {"item_templates", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"weapon_templates", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"container_templates", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"creature_templates", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"npc_templates", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"special_uses", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"spells", "desc_id", "desc_id <> 0", "texts", "id", "names a missing text"},
    {"exits", "exit_id", "exit_id >= 1", "locations", "id", "leads to a missing location"},
    {"exits", "loc_id", "1", "locations", "id", "belongs to a missing location"},
    {"loc_cont", "loc_id", "1", "locations", "id", "belongs to a missing location"},
    {"loc_cont", "cont_id", "ctype = 4", "container_templates", "id", "places a missing container"},
    {"loc_cont", "cont_id", "ctype = 5", "items", "id", "places a missing item"},
    {"loc_cont", "cont_id", "ctype = 6", "weapons", "id", "places a missing weapon"},
    {"loc_cont", "cont_id", "ctype in (10, 20)", "creatures", "id", "places a missing creature"},
    {"loc_cont", "cont_id", "ctype = 30", "npcs", "id", "places a missing NPC"},
    {"items", "template_id", "1", "item_templates", "id", "has a missing template"},
    {"weapons", "template_id", "1", "weapon_templates", "id", "has a missing template"},
    {"creatures", "template_id", "template_id <> -1", "creature_templates", "id", "has a missing template"},
    {"npcs", "template_id", "1", "npc_templates", "id", "has a missing template"},
    {"weapon_templates", "damage_id", "damage_id > 0", "damage", "id", "names a missing damage"},
    {"weapon_templates", "type_id", "1", "weapon_types", "id", "has a missing weapon type"},
    {"creature_templates", "damage_id", "damage_id > 0", "damage", "id", "names a missing damage"},
    {"special_uses", "damage_id", "damage_id > 0", "damage", "id", "names a missing damage"},
    {"spells", "damage_id", "damage_id > 0", "damage", "id", "names a missing damage"},
    {"weapon_ad_dam", "damage_id", "1", "damage", "id", "names a missing damage"},
    {"weapon_ad_dam", "weapon_id", "1", "weapon_templates", "id", "belongs to a missing weapon"},
    {"item_special_uses", "sp_use_id", "1", "special_uses", "id", "names a missing special use"},
    {"item_special_uses", "item_id", "1", "item_templates", "id", "belongs to a missing item"},
    {"weapon_special_uses", "sp_use_id", "1", "special_uses", "id", "names a missing special use"},
    {"weapon_special_uses", "weapon_id", "1", "weapon_templates", "id", "belongs to a missing weapon"},
    {"item_spells", "spell_id", "1", "spells", "id", "names a missing spell"},
    {"container_contents", "container_id", "1", "container_templates", "id", "belongs to a missing container"},
    {"container_contents", "content_id", "type = 1", "items", "id", "holds a missing item"},
    {"container_contents", "content_id", "type = 2", "weapons", "id", "holds a missing weapon"},
    {"container_contents", "content_id", "type = 3", "container_templates", "id", "holds a missing container"},
    {"creature_contents", "cont_id", "cont_type = 1", "items", "id", "carries a missing item"},
    {"creature_contents", "cont_id", "cont_type = 2", "weapons", "id", "carries a missing weapon"},
    {"creature_contents", "cont_id", "cont_type = 3", "container_templates", "id", "carries a missing container"},
    {"shop_contents", "cont_id", "type_id = 4", "container_templates", "id", "sells a missing container"},
    {"shop_contents", "cont_id", "type_id = 5", "items", "id", "sells a missing item"},
    {"shop_contents", "cont_id", "type_id = 6", "weapons", "id", "sells a missing weapon"},
    {"area_data", "area_id", "1", "areas", "id", "belongs to a missing area"},
    {"classes", "skill_1", "skill_1 > 63", "skills", "id", "names a missing skill"},
    {"classes", "skill_2", "skill_2 > 63", "skills", "id", "names a missing skill"},
    {"classes", "skill_3", "skill_3 > 63", "skills", "id", "names a missing skill"},
    {"classes", "skill_4", "skill_4 > 63", "skills", "id", "names a missing skill"},
    {"classes", "skill_5", "skill_5 > 63", "skills", "id", "names a missing skill"},
};

// Items, weapons and containers share one id space.
const char* const SharedIdPairs[][2] = {
    {"items", "weapons"},
    {"items", "container_templates"},
    {"weapons", "container_templates"},
};

// Every table whose rows carry the id of a script class.
const char* const ScriptTables[] = {
    "locations", "item_templates", "weapon_templates", "container_templates", "creature_templates",
    "npc_templates", "special_uses", "spells", "messages",
};

std::string OriginOf(const TOrigins& origins, const std::string& table, int64_t rowId)
{
    const auto found = origins.find(table);
    if (found != origins.end())
        for (const TRowOrigin& origin : found->second)
            if (rowId <= origin.Last)
                return origin.File;
    return "(built-in)";
}

} // namespace

std::vector<std::string> CheckAdventure(TSQLite3& db, const TOrigins& origins)
{
    std::vector<std::string> problems;
    for (const TReference& reference : References) {
        const std::string table = reference.Table;
        const std::string column = reference.Column;
        db.Execute("select rowid as row_id, " + column + " as value from " + table + " s where (" + reference.Where +
                       ") and not exists (select 1 from " + reference.Target + " t where t." +
                       reference.TargetColumn + " = s." + column + ") order by rowid",
                   true);
        for (const auto& row : db.Rows) {
            const int64_t rowId = StrToInt64Def(row->GetItem("row_id"), 0);
            problems.push_back(OriginOf(origins, table, rowId) + ": " + table + " row " + std::to_string(rowId) +
                               " (" + column + " = " + row->GetItem("value") + ") " + reference.Problem);
        }
    }
    for (const auto& pair : SharedIdPairs) {
        const std::string first = pair[0];
        const std::string second = pair[1];
        db.Execute("select s.rowid as row_id, s.id as value from " + first + " s where s.id in (select id from " +
                       second + ")",
                   true);
        for (const auto& row : db.Rows) {
            const int64_t rowId = StrToInt64Def(row->GetItem("row_id"), 0);
            problems.push_back(OriginOf(origins, first, rowId) + ": " + first + " row " + std::to_string(rowId) +
                               " (id = " + row->GetItem("value") + ") shares its id with a row of " + second);
        }
    }
    for (const char* table : ScriptTables) {
        db.Execute(std::string("select rowid as row_id, script_id as value from ") + table +
                       " where script_id > 0 order by rowid",
                   true);
        for (const auto& row : db.Rows) {
            const int64_t scriptId = StrToInt64Def(row->GetItem("value"), 0);
            if (ScriptClassExists(scriptId))
                continue;
            const int64_t rowId = StrToInt64Def(row->GetItem("row_id"), 0);
            problems.push_back(OriginOf(origins, table, rowId) + ": " + table + " row " + std::to_string(rowId) +
                               " (script_id = " + std::to_string(scriptId) + ") names a script class the engine lacks");
        }
    }
    return problems;
}
