#include "world/LocationManager.h"

#include <string>

#include "data/SQLite.h"
#include "rules/Creature.h"
#include "rules/Item.h"
#include "session/Process.h"

namespace {

void Run(const std::string& statement)
{
    if (TSQLite3* db = Process().SessionDb.get())
        db->Execute(statement);
}

} // namespace

void TLocationManager::PlaceEntity(TEntity* object, int64_t locationId, bool visible)
{
    if (!object)
        return;
    int32_t ctype;
    if (const auto* item = dynamic_cast<const TItem*>(object)) {
        ctype = dynamic_cast<const TWeapon*>(item) ? ctWeapon : item->Container ? ctContainer : ctItem;
    } else if (const auto* creature = dynamic_cast<const TCreature*>(object)) {
        if (creature->GetStat(siEnd) > 0) {
            if (!dynamic_cast<const TEnemy*>(creature))
                return;
            ctype = ctCreature;
        } else {
            ctype = dynamic_cast<const TPlayer*>(creature) ? ctDeadPlayer : ctDeadCreature;
        }
    } else {
        ctype = ctNpc;
    }
    object->PlacementId = InsertRow(locationId, ctype, visible, object->Id);
}

int64_t TLocationManager::InsertRow(int64_t locationId, int32_t ctype, bool visible, int64_t contentId)
{
    TSQLite3* db = Process().SessionDb.get();
    if (!db)
        return -1;
    db->Execute("insert into loc_cont (loc_id,ctype,cont_id,visible) values ( " + std::to_string(locationId) + ", " +
                std::to_string(ctype) + ", " + std::to_string(contentId) + ", " + (visible ? "True" : "False") + ") ");
    return db->LastInsertRowId();
}

void TLocationManager::RemoveContentRow(int64_t rowId)
{
    if (rowId != -1)
        Run("delete from loc_cont where ROWID = " + std::to_string(rowId));
}

void TLocationManager::MarkAsBody(int64_t rowId)
{
    if (rowId != -1)
        Run("update loc_cont set ctype = " + std::to_string(ctDeadCreature) + " where ROWID = " + std::to_string(rowId));
}
