#include "data/SessionLookups.h"

#include <string>

#include "data/SQLite.h"

namespace {

// Tables and the owner column each is searched by; an adventure without one of
// them simply gets no index for it.
const char* const OwnerColumns[][2] = {
    {"loc_cont", "loc_id"},
    {"exits", "loc_id"},
    {"creature_contents", "creature_id"},
    {"player_contents", "player_id"},
    {"player_skills", "player_id"},
    {"player_state", "player_id"},
    {"container_contents", "container_id"},
    {"item_spells", "item_id"},
    {"item_special_uses", "item_id"},
    {"weapon_special_uses", "weapon_id"},
    {"weapon_ad_dam", "weapon_id"},
    {"item_usable_by", "template_id"},
    {"weapon_usable_by", "template_id"},
    {"modifiers", "id"},
    {"extended_data", "id"},
    {"shop_contents", "shop_id"},
};

} // namespace

void UseScratchSettings(TSQLite3& db)
{
    // A power cut may cost the scratch copy, but waiting for the disk at every
    // write would cost every move. The journal stays, so a transaction still
    // rolls back, and another connection may still read what was committed.
    for (const char* setting : {"PRAGMA synchronous = OFF;", "PRAGMA journal_mode = MEMORY;",
                                "PRAGMA temp_store = MEMORY;", "PRAGMA cache_size = -8192;"})
        db.Execute(setting);
}

void PrepareSessionDatabase(TSQLite3& db)
{
    UseScratchSettings(db);
    TTransaction transaction(db);
    for (const auto& [table, column] : OwnerColumns)
        db.Execute(std::string("create index if not exists vellumora_") + table + "_" + column + " on " + table + "(" +
                   column + ")");
    transaction.Commit();
}
