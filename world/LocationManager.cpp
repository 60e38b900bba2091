#include "world/LocationManager.h"

#include <string>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "rules/Creature.h"
#include "rules/Item.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/AreaMap.h"
#include "world/Location.h"

namespace {

std::string Text(int64_t value)
{
    return std::to_string(value);
}

TSQLite3* Session()
{
    return Process().SessionDb.get();
}

TDataManager* Data()
{
    TForm1* form = Process().MainForm.get();
    return form ? form->DataManager.get() : nullptr;
}

void Run(const std::string& statement)
{
    if (TSQLite3* db = Session())
        db->Execute(statement);
}

TRecordSet Query(const std::string& statement)
{
    TSQLite3* db = Process().SessionDb.get();
    return db ? db->Query(statement) : TRecordSet();
}

bool KnownContentType(int32_t ctype)
{
    switch (ctype) {
    case ctContainer: case ctItem: case ctWeapon: case ctDeadCreature: case ctDeadPlayer: case ctCreature:
    case ctNpc: case ctWaitingMember:
        return true;
    default:
        return false;
    }
}

// Entering or leaving the current location changes the compass buttons.
void RefreshIfCurrent(int64_t locationId)
{
    TGameClient* client = Process().Client.get();
    if (client && client->CurrentLocation && client->CurrentLocation->Id == locationId)
        client->RefreshExitButtons();
}

} // namespace

TLocationManager::TLocationManager()
{
    for (auto& location : FPool)
        location = std::make_unique<TLocation>();
}

TLocationManager::~TLocationManager() = default;

TLocation* TLocationManager::LoadedLocation(int64_t id) const
{
    if (id == 0)
        return nullptr;
    for (const auto& location : FPool)
        if (location->Id == id)
            return location.get();
    return nullptr;
}

bool TLocationManager::PlaceContent(TLocation& location, int32_t ctype, int64_t contentId, int64_t rowId)
{
    TDataManager* data = Data();
    if (!data)
        return false;
    switch (ctype) {
    case ctContainer:
    case ctItem:
    case ctWeapon: {
        std::unique_ptr<TItem> item;
        if (ctype == ctWeapon) {
            auto weapon = std::make_unique<TWeapon>();
            data->LoadWeapon(contentId, weapon.get(), false);
            item = std::move(weapon);
        } else {
            item = std::make_unique<TItem>();
            if (ctype == ctContainer)
                data->LoadContainer(contentId, item.get());
            else
                data->LoadItem(contentId, item.get(), false);
        }
        if (item->Id == 0)
            return false;
        item->PlacementId = rowId;
        location.AddItem(std::move(item));
        return true;
    }
    case ctDeadCreature:
    case ctCreature: {
        auto creature = std::make_unique<TEnemy>();
        data->LoadCreature(contentId, creature.get());
        if (creature->Id == 0)
            return false;
        creature->PlacementId = rowId;
        if (ctype == ctCreature)
            location.AddCreature(std::move(creature));
        else
            location.AddCorpse(std::move(creature));
        return true;
    }
    case ctDeadPlayer: {
        // A body lying here must not change what the party carries.
        TGameClient* client = Process().Client.get();
        const int32_t gold = client ? client->PartyGold : 0;
        auto player = std::make_unique<TPlayer>();
        data->LoadPlayer(player.get(), contentId);
        if (client)
            client->PartyGold = gold;
        if (player->Id == 0)
            return false;
        player->PlacementId = rowId;
        location.AddCorpse(std::move(player));
        return true;
    }
    case ctNpc:
    case ctWaitingMember: {
        auto npc = std::make_unique<TEntity>();
        if (ctype == ctNpc)
            data->LoadNpc(contentId, npc.get());
        else
            data->LoadPlayerAsNpc(contentId, npc.get());
        if (npc->Id == 0)
            return false;
        npc->PlacementId = rowId;
        location.AddNpc(std::move(npc));
        return true;
    }
    default:
        return false;
    }
}

TLocation* TLocationManager::SlotToLoadInto()
{
    for (const auto& location : FPool)
        if (location->Id == 0)
            return location.get();
    // The party's own location is never given up: a load that then failed would
    // leave the party nowhere.
    TGameClient* client = Process().Client.get();
    const TLocation* current = client ? client->CurrentLocation : nullptr;
    size_t index = static_cast<size_t>(Process().Random.Random(PoolSize));
    if (FPool[index].get() == current)
        index = (index + 1) % PoolSize;
    TLocation* slot = FPool[index].get();
    slot->Unload();
    return slot;
}

void TLocationManager::LoadContentsAndExits(TLocation& slot, int64_t id)
{
    for (const auto& row : Query("select ROWID as loc_ci, loc_id,ctype,cont_id,visible from loc_cont where loc_id = " +
                                 Text(id))) {
        if (row->GetItem("visible") != "1")
            continue;
        const int64_t contentId = StrToInt64Def(row->GetItem("cont_id"), 0);
        const int32_t ctype = StrToIntDef(row->GetItem("ctype"), 0);
        const int64_t rowId = StrToInt64Def(row->GetItem("loc_ci"), -1);
        // A body whose creature or character is gone leaves a stale row behind.
        if (!PlaceContent(slot, ctype, contentId, rowId) && (ctype == ctDeadCreature || ctype == ctDeadPlayer))
            Run("delete from loc_cont where loc_id = " + Text(id) + " and cont_id = " + Text(contentId) +
                " and ctype = " + Text(ctype));
    }
    slot.Exits.clear();
    for (const auto& row : Query("select exit_id,exit_name,orientation from exits where visible = 1 and loc_id = " + Text(id)))
        slot.Exits.push_back(TLocationExit{row->GetItem("exit_name"), StrToInt64Def(row->GetItem("exit_id"), 0),
                                           StrToIntDef(row->GetItem("orientation"), 0)});
}

TLocation* TLocationManager::GetLocation(int64_t id)
{
    if (TLocation* loaded = LoadedLocation(id))
        return loaded;
    TSQLite3* db = Session();
    if (!db)
        return nullptr;
    TLocation* slot = SlotToLoadInto();
    // All or nothing: a load that raises halfway leaves no half-filled location
    // in the pool and nothing it wrote in the session database.
    TTransaction transaction(*db);
    try {
        if (!slot->Load(id))
            return nullptr;
        LoadContentsAndExits(*slot, id);
        transaction.Commit();
    } catch (...) {
        slot->Discard();
        throw;
    }
    return slot;
}

void TLocationManager::RevealContent(int32_t ctype, int64_t contentId)
{
    if (!KnownContentType(ctype))
        return;
    for (const auto& row : Query("select ROWID as loc_ci,loc_id,ctype,cont_id,visible from loc_cont where ctype = " +
                                 Text(ctype) + " and cont_id = " + Text(contentId))) {
        if (StrToBoolDef(row->GetItem("visible"), false))
            continue;
        const int64_t rowId = StrToInt64Def(row->GetItem("loc_ci"), -1);
        Run("update loc_cont set visible = 1 where ROWID = " + Text(rowId));
        if (TLocation* location = LoadedLocation(StrToInt64Def(row->GetItem("loc_id"), 0)))
            PlaceContent(*location, ctype, contentId, rowId);
    }
}

void TLocationManager::HideContent(int32_t ctype, int64_t contentId)
{
    if (!KnownContentType(ctype))
        return;
    for (const auto& row : Query("select ROWID as loc_ci,loc_id,ctype,cont_id,visible from loc_cont where ctype = " +
                                 Text(ctype) + " and cont_id = " + Text(contentId))) {
        if (!StrToBoolDef(row->GetItem("visible"), false))
            continue;
        Run("update loc_cont set visible = 0 where ROWID = " + row->GetItem("loc_ci"));
        TLocation* location = LoadedLocation(StrToInt64Def(row->GetItem("loc_id"), 0));
        if (!location)
            continue;
        switch (ctype) {
        case ctContainer: location->RemoveContainer(contentId); break;
        case ctItem: location->RemoveItem(contentId); break;
        case ctWeapon: location->RemoveWeapon(contentId); break;
        case ctDeadCreature: location->RemoveCorpse(contentId); break;
        case ctDeadPlayer: location->RemovePlayerCorpse(contentId); break;
        case ctCreature: location->RemoveCreature(contentId); break;
        default: location->RemoveNpc(contentId); break;
        }
    }
}

void TLocationManager::SetExitVisible(int64_t locationId, int64_t exitId, bool visible)
{
    const std::string where = " where loc_id = " + Text(locationId) + " and exit_id = " + Text(exitId);
    Run(std::string("update exits set visible = ") + (visible ? "True" : "False") + where);
    const TRecordSet rows = Query("select exit_name,orientation from exits" + where);
    const int32_t orientation = rows.empty() ? 0 : StrToIntDef(rows[0]->GetItem("orientation"), 0);
    const std::string name = rows.empty() ? std::string() : rows[0]->GetItem("exit_name");
    if (TLocation* location = LoadedLocation(locationId)) {
        auto& exits = location->Exits;
        if (visible) {
            bool present = false;
            for (const TLocationExit& exit : exits)
                present = present || exit.ExitId == exitId;
            if (!present)
                exits.push_back(TLocationExit{name, exitId, orientation});
        } else {
            std::erase_if(exits, [exitId](const TLocationExit& exit) { return exit.ExitId == exitId; });
        }
    }
    // The exit's stroke on the area map follows it.
    if (TMapCell* cell = AreaMap().CellHolding(locationId)) {
        if (orientation >= 0 && orientation <= 15)
            cell->ExitMask.set(orientation, visible);
        if (TForm1* form = Process().MainForm.get())
            ++form->Control("Grid").Tag;
    }
    RefreshIfCurrent(locationId);
}

void TLocationManager::Spawn(int64_t id, int32_t kind, int32_t count, int64_t locationId)
{
    TDataManager* data = Data();
    if (!data || count <= 0 || (kind != ctItem && kind != ctWeapon && kind != ctCreature))
        return;
    TLocation* location = LoadedLocation(locationId);
    for (int32_t made = 0; made < count; ++made) {
        if (kind == ctCreature) {
            const int64_t newId = data->DuplicateObject(okCreature, id);
            auto creature = std::make_unique<TEnemy>();
            if (newId == 0)
                return;
            data->LoadCreature(newId, creature.get());
            if (creature->Id == 0)
                return;
            creature->PlacementId = InsertRow(locationId, ctCreature, true, newId);
            if (location)
                location->AddCreature(std::move(creature));
            continue;
        }
        std::unique_ptr<TItem> item;
        if (kind == ctWeapon) {
            auto weapon = std::make_unique<TWeapon>();
            data->LoadWeapon(id, weapon.get(), true);
            item = std::move(weapon);
        } else {
            item = std::make_unique<TItem>();
            data->LoadItem(id, item.get(), true);
        }
        if (item->Id == 0)
            return;
        item->PlacementId = InsertRow(locationId, kind, true, item->Id);
        if (location)
            location->AddItem(std::move(item));
    }
}

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
    TSQLite3* db = Session();
    if (!db)
        return -1;
    db->Execute("insert into loc_cont (loc_id,ctype,cont_id,visible) values ( " + Text(locationId) + ", " + Text(ctype) +
                ", " + Text(contentId) + ", " + (visible ? "True" : "False") + ") ");
    return db->LastInsertRowId();
}

void TLocationManager::RemoveContentRow(int64_t rowId)
{
    if (rowId != -1)
        Run("delete from loc_cont where ROWID = " + Text(rowId));
}

void TLocationManager::MarkAsBody(int64_t rowId)
{
    if (rowId != -1)
        Run("update loc_cont set ctype = " + Text(ctDeadCreature) + " where ROWID = " + Text(rowId));
}

void TLocationManager::StripBody(int64_t creatureId)
{
    for (const auto& location : FPool) {
        if (location->Id == 0)
            continue;
        for (auto& body : location->Corpses) {
            if (!body || body->Id != creatureId)
                continue;
            auto drop = [&](std::unique_ptr<TItem> item) {
                if (!item)
                    return;
                PlaceEntity(item.get(), location->Id, true);
                location->AddItem(std::move(item));
            };
            for (int slot = 1; slot <= BackpackSlotCount; ++slot)
                drop(body->TakeFromSlot(slot, 1));
            for (int slot = 1; slot <= QuickSlotCount; ++slot)
                drop(body->TakeFromSlot(slot, 2));
            for (int slot = 0; slot < BodySlotCount; ++slot)
                drop(body->Unequip(slot));
            if (TDataManager* data = Data(); data && dynamic_cast<TPlayer*>(body.get()))
                data->SaveCreature(body.get());
            body.reset();
            return;
        }
    }
}

void TLocationManager::StoreAll()
{
    for (const auto& location : FPool)
        if (location->Id != 0)
            location->Store();
}
