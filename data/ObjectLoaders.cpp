// Loading items, weapons, containers, special uses, spells and damage records
// from the session database, and keeping the instance tables in step.
#include <algorithm>

#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/SessionSchema.h"
#include "platform/Host.h"
#include "rules/Item.h"
#include "session/Process.h"

namespace {

std::string Text(int64_t value)
{
    return std::to_string(value);
}

void ShowError(const std::string& message)
{
    Host().MessageDlg(message, TMsgDlgType::Error, mbOK);
}

int32_t Int(const TStringHash& row, const char* column)
{
    return StrToInt(row.GetItem(column));
}

bool Bool(const TStringHash& row, const char* column)
{
    return StrToBool(row.GetItem(column));
}

// An identified object without charges, or with one charge that destroys it,
// can share its row with every copy; anything else keeps state of its own.
bool NeedsOwnRow(bool identified, int32_t charges, bool destroyAfterUse)
{
    return !identified || charges > 1 || (charges == 1 && !destroyAfterUse);
}

// Marks a container as being read while its contents load, and always clears the
// mark: a load left by an exception must not hide the container from later loads.
class TLoadingMark {
public:
    TLoadingMark(std::set<int64_t>& marks, int64_t id) : Marks(marks), Id(id) { Marks.insert(Id); }
    ~TLoadingMark() { Marks.erase(Id); }
    TLoadingMark(const TLoadingMark&) = delete;
    TLoadingMark& operator=(const TLoadingMark&) = delete;

private:
    std::set<int64_t>& Marks;
    int64_t Id;
};

// The columns items and weapons share: charges (shown in the name above one)
// and the abilities needed to use them.
void ReadChargesAndRequirements(const TStringHash& row, TItem& item)
{
    item.destroy_after_use = Bool(row, "destroy_after_use");
    item.ccharges = Int(row, "ccharges");
    if (item.ccharges > 1)
        item.Name += "(" + Text(item.ccharges) + ")";
    item.charges = Int(row, "charges");
    item.req_str = Int(row, "req_str");
    item.req_dex = Int(row, "req_dex");
    item.req_mind = Int(row, "req_mind");
    item.req_faith = Int(row, "req_faith");
    item.req_const = Int(row, "req_const");
}

uint8_t AttackClassOf(int32_t attackType)
{
    switch (attackType) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 4:
        return 3;
    default:
        return 2;
    }
}

} // namespace

TSQLite3& TDataManager::Session()
{
    return *Process().SessionDb;
}

bool TDataManager::CanLoad(const void* object, const char* failure)
{
    if (object && !GameFolder.empty() && Process().SessionDb)
        return true;
    ShowError(failure);
    return false;
}

TRecordSet TDataManager::Query(const std::string& statement)
{
    return Session().Query(statement);
}

bool TDataManager::BuildBuiltInItem(int64_t id, TItem& item)
{
    if (id < 100 || id > 102)
        return false;
    item.Id = item.TemplateId = id;
    item.Name = item.RealName = id == 102 ? "Burning Oil" : "Healing Potion";
    item.large_image.clear();
    item.EquipSlots.reset();
    item.EquipSlots.set(QuickUseBit);
    item.PlacementId = -1;
    item.used_if_on = id == 102;
    item.special_uses = item.ccharges = item.charges = 1;
    item.destroy_after_use = item.Identified = true;
    item.UsableBy.set();
    item.stationary = false;
    item.base_price = 0;
    item.DescId = 0;
    item.ScriptText.clear();

    auto special = std::make_unique<TSpecialItem>();
    special->offensive = id == 102;
    special->apply_to_user = id != 102;
    if (id == 100) {
        special->end = 9;
    } else {
        special->Damage = std::make_unique<DamageRec>();
        DamageRec& damage = *special->Damage;
        damage.DiceCount = id == 101 ? 1 : 2;
        damage.DieSize = 6;
        damage.DamageType = id == 101 ? 8 : 4;
        damage.Duration = id == 101 ? 3 : -1;
        damage.Trigger = id == 101 ? 7 : -1;
    }
    item.SpecialUses.clear();
    item.SpecialUses.push_back(std::move(special));
    return true;
}

void TDataManager::ReadUsableBy(TItem& item, const std::string& table, int64_t templateId)
{
    for (const auto& row : Query("select class_id from " + table + " where template_id = " + Text(templateId))) {
        const int32_t classId = StrToIntDef(row->GetItem("class_id"), -1);
        if (classId >= 0 && classId < ClassIdCount)
            item.UsableBy.set(classId);
    }
    item.UsableBy.set(0);
}

void TDataManager::ReadExtendedData(TItem& item, int type, int64_t templateId)
{
    for (const auto& row : Query("select name,value from extended_data where type = " + Text(type) +
                                 " and id = " + Text(templateId))) {
        const std::string& name = row->GetItem("name");
        const std::string& value = row->GetItem("value");
        if (name == "RechargePrice")
            item.RechargePrice = StrToIntDef(value, 0);
        else if (name == "Action")
            item.Action = value;
        else if (name == "NotIdentifiedName")
            item.NotIdentifiedName = value;
    }
}

void TDataManager::LoadItem(int64_t id, TItem* item, bool duplicate)
{
    if (!CanLoad(item, "Error while reading item data."))
        return;
    if (BuildBuiltInItem(id, *item))
        return;
    const TRecordSet rows =
        Query("select * from item_templates t, items i where t.id = i.template_id and i.id = " + Text(id));
    if (rows.empty()) {
        item->Id = 0;
        ShowError("Item not found.");
        return;
    }
    const TStringHash& row = *rows[0];
    // A copy made for a load that then fails on a damaged column is undone with it.
    TTransaction transaction(Session());
    const int64_t templateId = StrToInt64(row.GetItem("template_id"));
    item->Id = id;
    if (duplicate && (Int(row, "type_id") == itSpellbook ||
                      NeedsOwnRow(Bool(row, "identified"), Int(row, "charges"), Bool(row, "destroy_after_use"))))
        item->Id = DuplicateRow(okItem, templateId, id);
    item->TemplateId = templateId;
    item->Name = item->RealName = row.GetItem("name");
    item->NotIdentifiedName.clear();
    item->large_image = row.GetItem("large_image");
    item->stationary = Bool(row, "stationary");
    item->type_id = Int(row, "type_id");
    item->ScriptId = StrToInt64(row.GetItem("script_id"));
    item->DescId = Int(row, "desc_id");
    item->base_price = Int(row, "base_price");
    item->Identified = Bool(row, "cidentified");
    item->Container.reset();
    item->EquipSlots = EquipSlotsFromCode(Int(row, "equipped_on"), item->EquipSlots);
    item->special_uses = Int(row, "special_uses");
    item->used_if_on = Bool(row, "used_if_on");
    ReadChargesAndRequirements(row, *item);
    ReadUsableBy(*item, "item_usable_by", templateId);
    ReadModifiers(*item, Query("select name,value from modifiers where type = 1 and id = " + Text(templateId)));
    ReadExtendedData(*item, 1, templateId);
    if (item->special_uses > 0 || item->type_id == itSpellbook)
        LoadSpecialUses(*item);
    transaction.Commit();
}

void TDataManager::LoadWeapon(int64_t id, TWeapon* weapon, bool duplicate)
{
    if (!CanLoad(weapon, "Error while reading weapon data."))
        return;
    const TRecordSet rows =
        Query("select * from weapon_templates t, weapons i where t.id = i.template_id and i.id = " + Text(id));
    if (rows.empty()) {
        weapon->Id = 0;
        ShowError("Weapon not found.");
        return;
    }
    const TStringHash& row = *rows[0];
    TTransaction transaction(Session());
    const int64_t templateId = StrToInt64(row.GetItem("template_id"));
    weapon->Id = id;
    if (duplicate && (Int(row, "weapon_uses") > 0 ||
                      NeedsOwnRow(Bool(row, "identified"), Int(row, "charges"), Bool(row, "destroy_after_use"))))
        weapon->Id = DuplicateRow(okWeapon, templateId, id);
    weapon->TemplateId = templateId;
    weapon->Name = weapon->RealName = row.GetItem("name");
    weapon->NotIdentifiedName.clear();
    weapon->type_id = -1;
    weapon->ScriptId = StrToInt64(row.GetItem("script_id"));
    weapon->DescId = Int(row, "desc_id");
    weapon->large_image = row.GetItem("large_image");
    weapon->stationary = false;
    weapon->base_price = Int(row, "base_price");
    weapon->Identified = Bool(row, "cidentified");
    const int64_t damageId = StrToInt64Def(row.GetItem("damage_id"), 0);
    weapon->Container.reset();
    weapon->special_uses = Int(row, "special_uses");
    weapon->used_if_on = true;
    ReadChargesAndRequirements(row, *weapon);
    const int32_t typeId = Int(row, "type_id");
    weapon->WeaponType = static_cast<uint8_t>(std::clamp(typeId - 1, 0, 255));
    weapon->two_handed = Bool(row, "two_handed");
    weapon->missile = Bool(row, "missile");
    weapon->weapon_uses = Int(row, "cweapon_uses");
    if (weapon->weapon_uses > 0)
        weapon->Name += "[" + Text(weapon->weapon_uses) + "]";

    ReadUsableBy(*weapon, "weapon_usable_by", templateId);
    // A damage row that is missing leaves the weapon without damage.
    weapon->Damage = std::make_unique<DamageRec>();
    const TRecordSet damage = Query("select * from damage where id = " + Text(damageId));
    if (!damage.empty())
        ReadDamage(*damage[0], weapon->Damage.get());
    ReadModifiers(*weapon, Query("select name,value from modifiers where type = 2 and id = " + Text(templateId)));
    ReadExtendedData(*weapon, 2, templateId);
    if (weapon->special_uses > 0)
        LoadSpecialUses(*weapon);
    // Ammunition is used from a quick slot; everything else, a missing type
    // included, is held in the hands.
    const TRecordSet type = Query("select launcher_id from weapon_types where id = " + Text(typeId));
    weapon->EquipSlots.reset();
    if (!type.empty() && StrToInt64Def(type[0]->GetItem("launcher_id"), 0) != 0) {
        weapon->EquipSlots.set(QuickUseBit);
    } else {
        weapon->EquipSlots.set(bsRHand);
        weapon->EquipSlots.set(bsLHand);
    }
    weapon->ExtraDamages.clear();
    for (const auto& extra : Query("select * from damage d, weapon_ad_dam w where w.damage_id = d.id and w.weapon_id = " +
                                   Text(templateId))) {
        auto record = std::make_unique<DamageRec>();
        ReadDamage(*extra, record.get());
        weapon->ExtraDamages.push_back(std::move(record));
    }
    transaction.Commit();
}

void TDataManager::LoadContainer(int64_t id, TItem* item)
{
    if (!CanLoad(item, "Error while reading container data."))
        return;
    const TRecordSet rows = Query("select * from container_templates where id = " + Text(id));
    if (rows.empty()) {
        item->Id = 0;
        ShowError("Container not found.");
        return;
    }
    const TStringHash& row = *rows[0];
    item->Id = id;
    item->TemplateId = StrToInt64(row.GetItem("id"));
    item->Name = item->RealName = row.GetItem("name");
    item->NotIdentifiedName.clear();
    item->stationary = Bool(row, "stationary");
    item->type_id = -1;
    item->ScriptId = StrToInt64(row.GetItem("script_id"));
    item->DescId = Int(row, "desc_id");
    item->large_image = row.GetItem("large_image");
    item->base_price = Int(row, "base_price");
    item->Identified = true;

    auto container = std::make_unique<TContRec>();
    container->Id = id;
    container->Open = Bool(row, "open");
    container->Locked = Bool(row, "locked");
    const int32_t places = std::clamp(Int(row, "max_contents"), 0, 255);
    container->Contents.resize(places);

    // A container that holds itself, directly or deeper down, is read once.
    const TLoadingMark loading(ContainersLoading, id);
    size_t fill = 0;
    for (const auto& content : Query("select type, content_id from container_contents where container_id = " + Text(id))) {
        if (fill >= container->Contents.size())
            break;
        const int64_t contentId = StrToInt64Def(content->GetItem("content_id"), 0);
        const int kind = StrToIntDef(content->GetItem("type"), 0);
        if (kind == 4) {
            container->Gold = static_cast<int32_t>(contentId);
            continue;
        }
        if (kind == 3 && ContainersLoading.count(contentId))
            continue;
        if (std::unique_ptr<TItem> object = LoadContent(kind, contentId, false))
            container->Contents[fill++] = std::move(object);
    }

    for (const auto& type : Query("select item_type_id from container_item_types where container_id = " + Text(id))) {
        const int32_t value = StrToIntDef(type->GetItem("item_type_id"), -1);
        if (value >= 0 && value < 256)
            container->ItemTypes.set(value);
    }
    for (const auto& type : Query("select weapon_type_id from container_weapon_types where container_id = " + Text(id))) {
        const int32_t value = StrToIntDef(type->GetItem("weapon_type_id"), -1);
        if (value >= 0 && value < 256)
            container->WeaponTypes.set(value);
    }
    item->Container = std::move(container);
    item->UsableBy.set();
}

void TDataManager::ReadDamage(const TStringHash& row, DamageRec* damage)
{
    if (!CanLoad(damage, "Error while reading damage data."))
        return;
    *damage = DamageRec{};
    damage->Id = Int(row, "id");
    ParseDamageText(row.GetItem("dmg"), *damage);
    damage->Duration = Int(row, "duration");
    damage->Trigger = Int(row, "trigger");
    damage->Modifier = Int(row, "modifier");
    const int32_t type = Int(row, "dtype_id");
    if (type >= 1 && type <= DamageTypeCount)
        damage->DamageType = static_cast<uint8_t>(type - 1);
}

bool TDataManager::LoadDamage(int64_t id, DamageRec* damage)
{
    const TRecordSet rows = Query("select * from damage where id = " + Text(id));
    if (rows.empty())
        return false;
    ReadDamage(*rows[0], damage);
    return true;
}

void TDataManager::ReadModifiers(TModifiers& object, const TRecordSet& rows)
{
    // Rows an editor keeps for itself carry any value: only a known name is converted.
    for (const auto& row : rows)
        if (int32_t* field = object.FieldByName(row->GetItem("name")))
            *field = StrToInt(row->GetItem("value"));
}

void TDataManager::ReadSpecialUse(const TStringHash& row, TSpecialItem* special)
{
    if (!CanLoad(special, "Error while reading special item data."))
        return;
    special->Id = StrToInt64(row.GetItem("id"));
    special->Name = row.GetItem("name");
    special->ScriptId = StrToInt64(row.GetItem("script_id"));
    special->DescId = Int(row, "desc_id");
    const int type = dynamic_cast<TSpell*>(special) ? 4 : 3;
    ReadModifiers(*special, Query("select name,value from modifiers where type = " + Text(type) +
                                  " and id = " + Text(special->Id)));
    special->offensive = Bool(row, "offensive");
    special->apply_to_user = Bool(row, "apply_to_user");
    special->periodic = Bool(row, "periodic");
    special->duration = Int(row, "duration");
    special->massive = Bool(row, "massive");
    special->AttackClass = AttackClassOf(Int(row, "attack_type"));
    special->Damage.reset();
    const int64_t damageId = StrToInt64(row.GetItem("damage_id"));
    if (damageId <= 0)
        return;
    const TRecordSet damage = Query("select * from damage where id = " + Text(damageId));
    if (damage.empty())
        return;
    special->Damage = std::make_unique<DamageRec>();
    ReadDamage(*damage[0], special->Damage.get());
}

void TDataManager::ReadSpell(const TStringHash& row, TSpell* spell)
{
    if (!spell || GameFolder.empty() || !Process().SessionDb) {
        ShowError("Error while reading data for spell: " + Text(spell ? spell->TemplateId : 0));
        return;
    }
    ReadSpecialUse(row, spell);
    spell->req_mana = Int(row, "req_mana");
    spell->req_mind = Int(row, "req_mind");
    spell->req_faith = Int(row, "req_faith");
    spell->spell_type_id = Int(row, "spell_type_id");
}

void TDataManager::LoadSpell(int64_t id, TSpell* spell)
{
    if (id == 0 || !spell)
        return;
    if (!Process().SessionDb) {
        ShowError("Error while reading data for spell: " + Text(spell->TemplateId));
        return;
    }
    const TRecordSet rows = Query("select * from spells where id = " + Text(id));
    if (rows.empty()) {
        spell->Id = 0;
        return;
    }
    ReadSpell(*rows[0], spell);
}

void TDataManager::LoadSpecialUses(TItem& item)
{
    const std::string templateId = Text(item.TemplateId);
    const bool isWeapon = dynamic_cast<TWeapon*>(&item) != nullptr;
    bool spells = false;
    std::string query;
    if (item.type_id == itSpellbook) {
        spells = true;
        query = "select * from spells s, item_spells i where ( s.id = i.spell_id) and (i.item_id = " + templateId +
                " or i.item_id = " + Text(item.Id) + ")";
    } else if (item.type_id == itSpellScroll) {
        spells = true;
        query = "select * from spells s, item_spells i where s.id = i.spell_id and i.item_id = " + templateId;
    } else if (isWeapon) {
        query = "select * from special_uses s, weapon_special_uses w where s.id = w.sp_use_id and w.weapon_id = " +
                templateId;
    } else {
        query = "select * from special_uses s, item_special_uses i where s.id = i.sp_use_id and i.item_id = " +
                templateId;
    }
    const TRecordSet rows = Query(query);
    item.special_uses = static_cast<int32_t>(rows.size());
    item.SpecialUses.clear();
    for (const auto& row : rows) {
        if (spells) {
            auto spell = std::make_unique<TSpell>();
            ReadSpell(*row, spell.get());
            item.SpecialUses.push_back(std::move(spell));
        } else {
            auto special = std::make_unique<TSpecialItem>();
            ReadSpecialUse(*row, special.get());
            item.SpecialUses.push_back(std::move(special));
        }
    }
}

int64_t TDataManager::DuplicateObject(int kind, int64_t sourceId)
{
    return DuplicateRow(kind, sourceId, 0);
}

int64_t TDataManager::DuplicateRow(int kind, int64_t sourceId, int64_t fallbackId)
{
    if (!Process().SessionDb)
        return 0;
    TSQLite3& db = Session();
    if (kind == okCreature)
        return NewCreatureCopyId(db, sourceId);
    if (kind != okItem && kind != okWeapon)
        return 0;
    const std::string table = kind == okItem ? "items" : "weapons";
    const std::string columns =
        kind == okItem ? "template_id,cidentified,ccharges" : "template_id,cidentified,ccharges,cweapon_uses";
    auto copyFrom = [&](int64_t id) {
        db.Execute("insert into " + table + " (" + columns + ")  select " + columns + " from " + table +
                   " where id = " + Text(id));
        db.Execute("select changes() as n", true);
        return !db.Rows.empty() && db.Rows[0]->GetItem("n") == "1";
    };
    TTransaction transaction(db);
    const int64_t newId = NewObjectId(db);
    // Without the template's base row the new id would name no row: the loaded
    // row is copied instead.
    const bool copied = copyFrom(sourceId) || (fallbackId != 0 && copyFrom(fallbackId));
    if (copied)
        db.Execute("update " + table + " set id = " + Text(newId) + " where id = " + Text(db.LastInsertRowId()));
    transaction.Commit();
    // With nothing copied the new id would name no row and the object would
    // be lost at the next load.
    return copied ? newId : fallbackId;
}

void TDataManager::DeleteObject(std::unique_ptr<TItem>& item)
{
    if (!item)
        return;
    // A base row (id = template id) and the built-in items keep their rows.
    if (item->Id != item->TemplateId && Process().SessionDb)
        Session().Execute(std::string("delete from ") + (dynamic_cast<TWeapon*>(item.get()) ? "weapons" : "items") +
                          " where id = " + Text(item->Id));
    item.reset();
}

void TDataManager::AddSpellToItem(int64_t spellId, int64_t itemId)
{
    if (Process().SessionDb)
        Session().Execute("insert into item_spells values(" + Text(itemId) + ", " + Text(spellId) + ")");
}

TRecordSet TDataManager::GetShopContents(int64_t shopId)
{
    return Process().SessionDb ? Query("select * from shop_contents where shop_id = " + Text(shopId)) : TRecordSet();
}

TRecordSet TDataManager::GetShopItemTypes(int64_t shopId)
{
    return Process().SessionDb ? Query("select item_type_id from items_to_buy where shop_id = " + Text(shopId))
                               : TRecordSet();
}

TRecordSet TDataManager::GetShopWeaponTypes(int64_t shopId)
{
    return Process().SessionDb ? Query("select weapon_type_id from weapons_to_buy where shop_id = " + Text(shopId))
                               : TRecordSet();
}
