// Loading and saving creatures, NPCs and player characters with what they carry.
#include <functional>

#include "data/Convert.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

std::string Text(int64_t value)
{
    return std::to_string(value);
}

int32_t Int(const TStringHash& row, const std::string& column)
{
    return StrToInt(row.GetItem(column));
}

void ShowError(const std::string& message)
{
    Host().MessageDlg(message, TMsgDlgType::Error, mbOK);
}

const char* const AbilityColumns[] = {"ab_str", "ab_dex", "ab_mind", "ab_faith", "ab_const"};
const char* const ResistanceColumns[] = {"res_physical", "res_pierce", "res_blunt", "res_slash", "res_fire",
                                         "res_acid",     "res_cold",   "res_electric", "res_poison"};
const char* const MasteryColumns[] = {
    "weapon_axe",      "weapon_bow",      "weapon_club",   "weapon_crossbow",          "weapon_dagger",
    "weapon_darts",    "weapon_flail",    "weapon_great_sword", "weapon_hammer",       "weapon_longsword",
    "weapon_mace_morning_star", "weapon_short_sword", "weapon_sling", "weapon_spear", "weapon_staff",
    "weapon_two_handed_axe"};
const char* const KindColumns[] = {"melee", "missile", "wizard", "priest"};

// Body places in the contents tables.
constexpr int FirstBodyPlace = 101;
constexpr int FirstQuickPlace = 200;

// The contents kind of an object: 1 item, 2 weapon, 3 container.
int KindOf(const TItem& item)
{
    return dynamic_cast<const TWeapon*>(&item) ? 2 : item.Container ? 3 : 1;
}

bool Occupied(const TItem* item)
{
    return item && item->Id > 0;
}

// Writes the contents rows of a creature or player into the given table: the
// first backpack slots, then the quick slots and the body slots, where a
// container counts as an item. Each occupied backpack object is handed on.
void WriteContents(TSQLite3& db, const std::string& table, const std::string& id, const TCreature& creature,
                   int backpackSlots, const std::function<void(const TItem&)>& afterBackpackObject)
{
    auto write = [&](const TItem* item, int kind, int place) {
        if (Occupied(item))
            db.Execute("insert into " + table + " values (" + id + ", " + Text(item->Id) + ", " + Text(kind) + ", " +
                       Text(place) + ")");
    };
    auto weaponOrItem = [](const TItem* item) { return dynamic_cast<const TWeapon*>(item) ? 2 : 1; };
    for (int slot = 1; slot <= backpackSlots; ++slot)
        if (const TItem* item = creature.Backpack[slot - 1].get()) {
            write(item, KindOf(*item), slot);
            if (Occupied(item))
                afterBackpackObject(*item);
        }
    for (int slot = 1; slot <= QuickSlotCount; ++slot)
        if (const TItem* item = creature.QuickSlots[slot - 1].get())
            write(item, weaponOrItem(item), FirstQuickPlace + slot);
    for (int slot = 0; slot < BodySlotCount; ++slot)
        if (const TItem* item = creature.HeldInBodySlot(slot))
            write(item, weaponOrItem(item), FirstBodyPlace + slot);
}

// The statistics both creatures and players store in columns of the same names.
void ReadCombatColumns(const TStringHash& row, TCreature& creature)
{
    for (int type = 0; type < DamageTypeCount; ++type)
        creature.Resistances[type] = Int(row, ResistanceColumns[type]);
    for (int mastery = 0; mastery < MasteryCount; ++mastery)
        creature.Mastery[mastery] = static_cast<uint8_t>(Int(row, MasteryColumns[mastery]));
    creature.attack_roll = Int(row, "attack_roll");
    creature.delay = Int(row, "delay");
    for (int kind = 0; kind < AttackClassCount; ++kind) {
        creature.AttackMod[kind] = Int(row, std::string("mod_atk_") + KindColumns[kind]);
        creature.DamageMod[kind] = Int(row, std::string("mod_dmg_") + KindColumns[kind]);
        creature.Armor[kind] = Int(row, std::string("armor_") + KindColumns[kind]);
    }
}

} // namespace

std::unique_ptr<TItem> TDataManager::LoadContent(int kind, int64_t id, bool copy)
{
    std::unique_ptr<TItem> object;
    if (kind == 1) {
        object = std::make_unique<TItem>();
        LoadItem(id, object.get(), copy);
    } else if (kind == 2) {
        auto weapon = std::make_unique<TWeapon>();
        LoadWeapon(id, weapon.get(), copy);
        object = std::move(weapon);
    } else if (kind == 3) {
        object = std::make_unique<TItem>();
        LoadContainer(id, object.get());
    }
    return object;
}

void TDataManager::LoadCreature(int64_t id, TCreature* creature)
{
    if (!CanLoad(creature, "Error while reading creature data."))
        return;
    const TRecordSet rows =
        Query("select * from creature_templates t, creatures c where t.id = c.template_id and c.id = " + Text(id));
    if (rows.empty()) {
        creature->Id = 0;
        ShowError("Creature not found.");
        return;
    }
    const TStringHash& row = *rows[0];
    const int64_t templateId = StrToInt64(row.GetItem("template_id"));
    creature->Id = id;
    auto* enemy = dynamic_cast<TEnemy*>(creature);
    const std::string& name = row.GetItem("name");
    if (enemy) {
        enemy->type_id = Int(row, "type_id");
        enemy->HitMessage = name + " attacks ??" + ":~<c:#FF0000>HIT";
        enemy->MissMessage = name + " attacks ??" + ":MISSED";
    }
    creature->Name = name;
    creature->ScriptId = StrToInt64(row.GetItem("script_id"));
    creature->DescId = Int(row, "desc_id");
    creature->TemplateId = templateId;
    creature->SetStat(siEndMax, Int(row, "end_max"), false);
    creature->SetStat(siEnd, Int(row, "cendurance"), false);
    creature->SetStat(siManaMax, Int(row, "mana_max"), false);
    creature->SetStat(siMana, Int(row, "cmana"), false);
    creature->level = Int(row, "level");
    creature->experience = Int(row, "xp_award");
    for (int ability = 0; ability < AbilityCount; ++ability)
        creature->SetStat(siStrength + ability, Int(row, AbilityColumns[ability]), true);
    const bool initialised = StrToBool(row.GetItem("cinitialized"));
    // Constitution rescales the endurance of a fresh creature; one that has been
    // saved keeps exactly the endurance it was saved with, reload after reload.
    if (initialised)
        creature->SetStat(siEnd, std::min(Int(row, "cendurance"), creature->end_max), false);
    ReadCombatColumns(row, *creature);
    creature->NaturalAttackClass = static_cast<uint8_t>(std::clamp(Int(row, "attack_type") - 1, 0, 3));
    creature->Gold = Int(row, "cgold");
    const int64_t damageId = StrToInt64Def(row.GetItem("damage_id"), 0);
    if (const TRecordSet damage = Query("select * from damage where id = " + Text(damageId)); !damage.empty())
        ReadDamage(*damage[0], &creature->NaturalDamage);

    // Until its first load a creature carries its template's things; it then gets
    // copies of its own. The template's base creature records none.
    const bool ownRow = id != templateId;
    const bool copy = !initialised && ownRow;
    TSQLite3& db = Session();
    const TRecordSet contents =
        Query("select * from creature_contents where creature_id = " + Text(initialised ? id : templateId));
    // A creature's first load copies its objects and records where they went.
    auto recordCopy = [&](int64_t objectId, int kind, int place) {
        if (copy && objectId != 0)
            db.Execute("insert into creature_contents (creature_id,cont_id,cont_type,body_part_id) values(" + Text(id) +
                       ", " + Text(objectId) + ", " + Text(kind) + ", " + Text(place) + " )");
    };
    // A content that fails to load undoes the copies made before it.
    TTransaction transaction(db);
    for (const auto& content : contents) {
        const int place = StrToIntDef(content->GetItem("body_part_id"), 0);
        const int kind = StrToIntDef(content->GetItem("cont_type"), 0);
        const int64_t contentId = StrToInt64Def(content->GetItem("cont_id"), 0);
        std::unique_ptr<TItem> object;
        if (place >= 1 && place <= 100 && kind >= 1 && kind <= 3) {
            object = LoadContent(kind, contentId, copy);
            const int64_t objectId = object->Id;
            if (!creature->PutInBackpack(object, place))
                object.reset();
            recordCopy(objectId, kind, place);
            continue;
        }
        if (place >= FirstBodyPlace && place <= 200 && (kind == 1 || kind == 2)) {
            object = LoadContent(kind, contentId, copy);
            const auto* weapon = dynamic_cast<const TWeapon*>(object.get());
            // Both hands hold one two-handed weapon: its second row adds nothing.
            if (kind == 2 && place == FirstBodyPlace + bsLHand && weapon && weapon->two_handed)
                continue;
        } else if (place > FirstQuickPlace && place <= 255 && (kind == 1 || kind == 2)) {
            object = LoadContent(kind, contentId, copy);
        } else {
            continue;
        }
        const int64_t objectId = object->Id;
        if (place > FirstQuickPlace)
            creature->PutInQuickSlot(object, place - FirstQuickPlace);
        else if (place < FirstBodyPlace + BodySlotCount && creature->Equip(object, place - FirstBodyPlace))
            object.reset();  // whatever the slot held before is not kept
        recordCopy(objectId, kind, place);
    }
    // Marked in the same transaction as the copies, so they are never made twice.
    if (ownRow)
        db.Execute("update creatures set cinitialized = 1 where id = " + Text(id));
    transaction.Commit();

    if (enemy) {
        const TRecordSet messages =
            Query("select value from extended_data where name = 'AtkMsg' and type = 3 and id = " + Text(templateId));
        const std::string value = messages.empty() ? std::string() : messages[0]->GetItem("value");
        if (!value.empty()) {
            const size_t bar = value.find('|');
            if (bar == std::string::npos) {
                enemy->HitMessage = value;
            } else {
                enemy->HitMessage = value.substr(0, bar);
                enemy->MissMessage = value.substr(bar + 1, 1000);
            }
        }
    }
}

void TDataManager::SaveCreature(TCreature* creature)
{
    if (!creature || !Process().SessionDb)
        return;
    if (auto* player = dynamic_cast<TPlayer*>(creature)) {
        SavePlayer(player, 0);
        return;
    }
    if (creature->Id == creature->TemplateId)
        return;
    TSQLite3& db = Session();
    const std::string id = Text(creature->Id);
    TTransaction transaction(db);
    db.Execute("delete from creature_contents where creature_id = " + id);
    // A creature keeps only the first four places of its backpack.
    WriteContents(db, "creature_contents", id, *creature, 4, [](const TItem&) {});
    db.Execute("update creatures set cgold = " + Text(creature->Gold) + ", " + " cendurance = " + Text(creature->end) +
               ", " + " cmana = " + Text(creature->mana) + " where id = " + id + " and id <> template_id");
    transaction.Commit();
}

void TDataManager::SavePlayer(TPlayer* player, int32_t partyPosition)
{
    if (!player || !Process().SessionDb)
        return;
    TSQLite3& db = Session();
    const std::string id = Text(player->Id);
    std::vector<std::string> values = {id,
                                       Text(partyPosition),
                                       SqlQuote(player->Name),
                                       SqlQuote(player->race_name),
                                       player->male ? "True" : "False",
                                       Text(player->end_max),
                                       Text(player->end),
                                       Text(player->mana_max),
                                       Text(player->mana),
                                       Text(player->ClassId),
                                       Text(player->level),
                                       Text(player->next_level),
                                       Text(player->experience)};
    for (int32_t ability : player->Abilities)
        values.push_back(Text(ability));
    for (int32_t resistance : player->Resistances)
        values.push_back(Text(resistance));
    for (uint8_t mastery : player->Mastery)
        values.push_back(Text(mastery));
    values.push_back(Text(player->attack_roll));
    values.push_back(Text(player->delay));
    for (const auto* bonuses : {&player->AttackMod, &player->DamageMod, &player->Armor})
        for (int32_t value : *bonuses)
            values.push_back(Text(value));
    const TBaseRecord& base = player->Base;
    values.push_back(Text(base.end_max));
    values.push_back(Text(base.mana_max));
    for (int32_t ability : base.Abilities)
        values.push_back(Text(ability));
    for (int32_t resistance : base.Resistances)
        values.push_back(Text(resistance));
    values.push_back(Text(base.attack_roll));
    values.push_back(Text(base.delay));
    for (const auto* bonuses : {&base.AttackMod, &base.DamageMod, &base.Armor})
        for (int32_t value : *bonuses)
            values.push_back(Text(value));
    values.push_back(Text(Process().Client ? Process().Client->PartyGold : 0));

    std::string insert = "insert into players values (";
    for (size_t index = 0; index < values.size(); ++index)
        insert += (index ? ", " : "") + values[index];
    insert += ")";

    TTransaction transaction(db);
    db.Execute("delete from players where id = " + id);
    db.Execute(insert);
    db.Execute("delete from player_state where player_id = " + id);
    for (int state = 1; state < 256; ++state)
        if (player->States.test(state))
            db.Execute("insert into player_state values( " + id + ", " + Text(state) + ")");
    db.Execute("delete from player_skills where player_id = " + id);
    for (const SkillEntry& skill : player->Skills)
        db.Execute("insert into player_skills(player_id,skill_name,skill_type,skill_value,skill_script) values (" + id +
                   ", " + SqlQuote(skill.skill_name) + ", 1 , " + Text(skill.skill_value) + ", " +
                   SqlQuote(skill.skill_script) + ")");
    db.Execute("delete from player_contents where player_id = " + id);
    WriteContents(db, "player_contents", id, *player, BackpackSlotCount, [this](const TItem& item) {
        if (item.Container)
            SaveContainer(item.Container.get());
    });
    transaction.Commit();
}

void TDataManager::LoadPlayer(TPlayer* player, int64_t id)
{
    if (!player || !Process().SessionDb)
        return;
    const TRecordSet rows = Query("select * from players where id = " + Text(id));
    if (rows.empty()) {
        player->Id = 0;
        return;
    }
    const TStringHash& row = *rows[0];
    player->Id = id;
    player->TemplateId = -1;
    player->Name = row.GetItem("name");
    player->ScriptText.clear();
    player->race_name = row.GetItem("race_name");
    player->DescId = 0;
    player->male = StrToBool(row.GetItem("male"));
    player->SetStat(siEndMax, Int(row, "end_max"), false);
    player->SetStat(siEnd, Int(row, "end"), false);
    player->SetStat(siManaMax, Int(row, "mana_max"), false);
    player->SetStat(siMana, Int(row, "mana"), false);
    player->ClassId = static_cast<uint8_t>(Int(row, "class"));
    player->level = Int(row, "level");
    player->experience = Int(row, "experience");
    player->next_level = Int(row, "next_level");
    for (int ability = 0; ability < AbilityCount; ++ability)
        player->SetStat(siStrength + ability, Int(row, AbilityColumns[ability]), false);
    ReadCombatColumns(row, *player);
    player->Gold = 0;
    if (Process().Client)
        Process().Client->PartyGold = Int(row, "gold");

    const TRecordSet race =
        Query("select attack_type,dmg,dtype_id,duration,trigger from races where name = " + SqlQuote(player->race_name));
    if (!race.empty()) {
        TStringHash natural;
        natural.SetItem("id", "0");
        for (const char* column : {"dmg", "dtype_id", "duration", "trigger"})
            natural.SetItem(column, race[0]->GetItem(column));
        natural.SetItem("modifier", "0");
        ReadDamage(natural, &player->NaturalDamage);
    }

    for (const auto& content : Query("select * from player_contents where player_id = " + Text(id) +
                                     " order by body_part_id ASC")) {
        const int place = StrToIntDef(content->GetItem("body_part_id"), 0);
        const int kind = StrToIntDef(content->GetItem("cont_type"), 0);
        const int64_t contentId = StrToInt64Def(content->GetItem("cont_id"), 0);
        if (place >= 1 && place <= 100 && kind >= 1 && kind <= 3) {
            auto object = LoadContent(kind, contentId, false);
            player->PutInBackpack(object, place);
        } else if (place >= FirstBodyPlace && place < FirstBodyPlace + BodySlotCount && (kind == 1 || kind == 2)) {
            player->SetBodySlot(LoadContent(kind, contentId, false), place - FirstBodyPlace);
            // The second row of a two-handed weapon: the one object fills both hands.
            if (place == FirstBodyPlace + bsLHand)
                player->HoldInBothHands();
        } else if (place > FirstQuickPlace && place <= 255 && (kind == 1 || kind == 2)) {
            auto object = LoadContent(kind, contentId, false);
            player->PutInQuickSlot(object, place - FirstQuickPlace);
        }
    }

    TBaseRecord& base = player->Base;
    base.end_max = Int(row, "base_end_max");
    base.mana_max = Int(row, "base_mana_max");
    for (int ability = 0; ability < AbilityCount; ++ability)
        base.Abilities[ability] = Int(row, std::string("base_") + AbilityColumns[ability]);
    for (int type = 0; type < DamageTypeCount; ++type)
        base.Resistances[type] = Int(row, std::string("base_") + ResistanceColumns[type]);
    base.attack_roll = Int(row, "base_attack_roll");
    base.delay = Int(row, "base_delay");
    for (int kind = 0; kind < AttackClassCount; ++kind) {
        base.AttackMod[kind] = Int(row, std::string("base_mod_atk_") + KindColumns[kind]);
        base.DamageMod[kind] = Int(row, std::string("base_mod_dmg_") + KindColumns[kind]);
        base.Armor[kind] = Int(row, std::string("base_armor_") + KindColumns[kind]);
    }

    player->Skills.clear();
    for (const auto& skill : Query("select skill_name,skill_value,skill_script from player_skills where player_id = " +
                                   Text(id)))
        player->Skills.push_back(SkillEntry{skill->GetItem("skill_name"), StrToIntDef(skill->GetItem("skill_value"), 0),
                                            skill->GetItem("skill_script")});
    for (const auto& state : Query("select state_id from player_state where player_id = " + Text(id))) {
        const int64_t value = StrToInt64Def(state->GetItem("state_id"), 0);
        player->States.set(static_cast<size_t>(((value % 256) + 256) % 256));
    }
}

void TDataManager::SaveContainer(const TContRec* container)
{
    if (!container || !Process().SessionDb)
        return;
    TSQLite3& db = Session();
    const std::string id = Text(container->Id);
    TTransaction transaction(db);
    db.Execute("delete from container_contents where container_id = " + id);
    for (const auto& object : container->Contents)
        if (object)
            db.Execute("insert into container_contents(container_id, type, content_id) values ( " + id +
                       (object->Container ? ",3, " : dynamic_cast<const TWeapon*>(object.get()) ? ",2, " : ",1, ") +
                       Text(object->Id) + ")");
    db.Execute(std::string("update container_templates set  open = ") + (container->Open ? "True" : "False") + ", " +
               " locked = " + (container->Locked ? "True" : "False") + " where id = " + id);
    if (container->Gold > 0)
        db.Execute("insert into container_contents(container_id, type, content_id) values ( " + id + ",4, " +
                   Text(container->Gold) + ")");
    transaction.Commit();
}

void TDataManager::LoadNpc(int64_t id, TEntity* entity)
{
    if (!CanLoad(entity, "Error while reading NPC data."))
        return;
    const TRecordSet rows = Query("select * from npc_templates t, npcs n where t.id = n.template_id and n.id = " + Text(id));
    if (rows.empty()) {
        entity->Id = 0;
        ShowError("NPC not found.");
        return;
    }
    const TStringHash& row = *rows[0];
    entity->Id = id;
    entity->Name = row.GetItem("name");
    entity->ScriptId = StrToInt64(row.GetItem("script_id"));
    entity->DescId = Int(row, "desc_id");
    entity->TemplateId = StrToInt64(row.GetItem("template_id"));
}

void TDataManager::LoadPlayerAsNpc(int64_t id, TEntity* entity)
{
    if (!entity || !Process().SessionDb)
        return;
    const TRecordSet rows = Query("select name from players where id = " + Text(id));
    entity->Id = id;
    entity->Name = rows.empty() ? std::string() : rows[0]->GetItem("name");
    entity->TemplateId = id;
    entity->ScriptId = 100;
    entity->ScriptText.clear();
}
