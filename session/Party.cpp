#include "session/Party.h"

#include <algorithm>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/ClassTables.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

TRecordSet Query(const std::string& statement)
{
    return Process().SessionDb->Query(statement);
}

void RemoveFigureFrom(TLocation* location, int64_t characterId)
{
    if (location)
        for (auto& npc : location->Npcs)
            if (npc && npc->Id == characterId)
                npc.reset();
}

// The figure a waiting character left behind goes, from whichever loaded place
// holds it and from every contents row naming it.
void RemoveWaitingFigure(int64_t characterId)
{
    TForm1& form = MainForm();
    RemoveFigureFrom(GameClient().CurrentLocation, characterId);
    if (form.LocationManager)
        for (const auto& location : form.LocationManager->Pool())
            RemoveFigureFrom(location.get(), characterId);
    Process().SessionDb->Execute("delete from loc_cont where ctype = " + std::to_string(ctWaitingMember) +
                                 " and cont_id = " + std::to_string(characterId));
}

// Experience to level: the first level whose table entry exceeds the
// experience; beyond the table the level stays as it was.
void SetExperience(TPlayer& player, const std::string* value)
{
    int index = 1;
    player.experience = 0;
    if (value) {
        const int32_t experience = StrToInt(*value);
        if (experience >= 0 && experience <= ExperienceTable[16]) {
            player.experience = experience;
            index = 18;
            for (int level = 1; level <= 17 && index == 18; ++level)
                if (ExperienceTable[level - 1] > experience)
                    index = level;
            if (index <= 17)
                player.level = index;
        }
    }
    player.next_level = ExperienceTable[index - 1];
    player.attack_roll = AttackRollTable[index - 1];
    player.Base.attack_roll = player.attack_roll;
}

void SetRace(TPlayer& player, const std::string& race, TDataManager& data)
{
    player.race_name = race;
    TRecordSet rows = Query("select attack_type,dmg,dtype_id,duration,trigger from races where name = " + SqlQuote(race));
    if (rows.empty()) {
        rows = Query("select name,attack_type,dmg,dtype_id,duration,trigger from races LIMIT 1 ");
        if (!rows.empty())
            player.race_name = rows[0]->GetItem("name");
    }
    if (rows.empty())
        return;
    const TStringHash& row = *rows[0];
    player.NaturalAttackClass = static_cast<uint8_t>(std::clamp(StrToIntDef(row.GetItem("attack_type"), 0) - 1, 0, 3));
    TStringHash damage;
    damage.SetItem("id", "0");
    damage.SetItem("modifier", "0");
    for (const char* column : {"dmg", "dtype_id", "duration", "trigger"})
        damage.SetItem(column, row.GetItem(column));
    data.ReadDamage(damage, &player.NaturalDamage);
}

uint8_t ClassFromText(const std::string& text)
{
    for (int id = 1; id <= 10; ++id)
        if (text == std::to_string(id) || UpperCase(text) == UpperCase(ClassNames[id - 1]))
            return static_cast<uint8_t>(id);
    if (const auto number = static_cast<uint8_t>(StrToIntDef(text, 0)))
        return number;
    const TRecordSet rows = Query("select id from classes where name = " + SqlQuote(text));
    return rows.empty() ? 1 : static_cast<uint8_t>(StrToIntDef(rows[0]->GetItem("id"), 1));
}

// A creature of the adventure as a new member: what its extended data tells,
// over what it is. False (said) when that data is missing or unreadable.
bool MakeMember(TPlayer& player, int64_t creatureId, TDataManager& data)
{
    TBaseRecord& base = player.Base;
    base = player.CurrentRecord();
    base.delay = 7;
    player.delay = 7;
    player.ClassId = 0;
    player.race_name.clear();

    const TRecordSet rows =
        Query("select name,value from extended_data where type = 3 and id = " + std::to_string(creatureId));
    if (rows.empty()) {
        Host().MessageDlg("Extended Data not found", TMsgDlgType::Error, mbOK);
        return false;
    }
    TStringHash extended;
    for (const auto& row : rows)
        extended.SetItem(row->GetItem("name"), row->GetItem("value"));
    auto value = [&extended](const char* name) {
        return extended.Exists(name) ? &extended.GetItem(name) : nullptr;
    };

    if (const std::string* male = value("IsMale"))
        player.male = *male == "1" || UpperCase(*male) == "TRUE";
    else
        player.male = true;
    try {
        SetExperience(player, value("Experience"));
    } catch (const EConvertError&) {
        Host().MessageDlg("Error reading Experience value", TMsgDlgType::Error, mbOK);
        return false;
    }
    if (const std::string* race = value("Race"))
        SetRace(player, *race, data);
    if (const std::string* playerClass = value("Class")) {
        player.ClassId = ClassFromText(*playerClass);
    } else {
        Host().MessageDlg("No player class has been defined. Warrior is default.", TMsgDlgType::Error, mbOK);
        player.ClassId = 1;
    }
    const TRecordSet classRow = player.ClassId > 10 ? Query("select skill_1, skill_2, skill_3, skill_4, skill_5 from "
                                                            "classes where id = " + std::to_string(player.ClassId))
                                                    : TRecordSet();
    player.Skills = ClassSkillEntries(player.ClassId, classRow.empty() ? nullptr : classRow[0].get());
    for (int skill = 1; skill <= 5; ++skill) {
        const std::string* level = value(("SkillValue" + std::to_string(skill)).c_str());
        const int32_t points = level ? StrToIntDef(*level, 0) : 0;
        player.Skills[skill - 1].skill_value = points >= 0 && points <= 24 ? points : 0;
    }
    return true;
}

void SendSystemMessage(int32_t code, TEntity* about)
{
    TDataManager* data = MainForm().DataManager.get();
    if (!data || data->SysMsg <= 0)
        return;
    TScriptParam message;
    message.Value = code;
    RunScriptOnce(seOnMessage, nullptr, message, about, nullptr, data->SysMsg);
}

int64_t JoinAsNewMember(int64_t creatureId, int slot)
{
    TDataManager& data = *MainForm().DataManager;
    TGameClient& client = GameClient();
    auto player = std::make_unique<TPlayer>();
    data.LoadCreature(creatureId, player.get());
    if (player->Id == 0 || !MakeMember(*player, creatureId, data))
        return 0;
    // The new id is taken last, so a refusal leaves no row behind.
    TSQLite3& db = *Process().SessionDb;
    db.Execute("insert into creatures (id,template_id) values (NULL,-1)");
    player->Id = db.LastInsertRowId();
    player->TemplateId = creatureId;
    const int64_t id = player->Id;
    client.PartyGold += player->Gold;
    player->Gold = 0;
    client.AddPartyMember(player, slot);
    client.RefreshGoldLabels();
    SendSystemMessage(10, MainForm().Member(slot));
    return id;
}

} // namespace

int64_t JoinParty(int64_t creatureId)
{
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    TDataManager* data = form.DataManager.get();
    TSQLite3* db = Process().SessionDb.get();
    if (!data || !db)
        return 0;
    int members = 0;
    int freeSlot = 0;
    for (int slot = MaxPartySize; slot >= 1; --slot) {
        if (const TPlayer* member = form.Member(slot)) {
            if (member->Id == creatureId)
                return 0;
            ++members;
        } else {
            freeSlot = slot;
        }
    }
    if (members >= std::min(data->MaxParty, MaxPartySize) || freeSlot == 0) {
        Host().MessageDlg("There is not enough room in your party. You must remove one member first.",
                          TMsgDlgType::Information, mbOK);
        return 0;
    }
    db->Execute("select template_id from creatures where id = " + std::to_string(creatureId), true);
    const int64_t templateId = db->Rows.empty() ? 0 : StrToInt64Def(db->Rows[0]->GetItem("template_id"), 0);
    if (templateId != -1)
        return JoinAsNewMember(creatureId, freeSlot);

    // A character who left the party and waits somewhere.
    auto player = std::make_unique<TPlayer>();
    const int32_t gold = client.PartyGold;
    data->LoadPlayer(player.get(), creatureId);
    client.PartyGold = gold;
    if (player->Id == 0)
        return 0;
    client.AddPartyMember(player, freeSlot);
    RemoveWaitingFigure(creatureId);
    SendSystemMessage(10, form.Member(freeSlot));
    return creatureId;
}

int64_t LeaveParty(int slot)
{
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    TPlayer* member = form.Member(slot);
    TLocation* here = client.CurrentLocation;
    if (!member || !form.DataManager || !form.LocationManager || !here)
        return 0;
    int members = 0;
    for (int other = 1; other <= MaxPartySize; ++other)
        members += form.Member(other) != nullptr;
    if (members == 1) {
        Host().MessageDlg("You cannot remove the only player in the group", TMsgDlgType::Information, mbOK);
        return 0;
    }
    // An effect left pointing at a freed member, a fighter or a customer who
    // vanished: none of them may happen.
    const bool busy = form.InCombat || client.Trading ||
                      (form.EffectsManager && form.EffectsManager->HasEffects(member->Id));
    if (busy) {
        Host().MessageDlg("You cannot remove the player at this time.", TMsgDlgType::Information, mbOK);
        return 0;
    }
    if (form.EffectsManager)
        form.EffectsManager->DropFor(member);

    auto waiting = std::make_unique<TEntity>();
    waiting->Name = member->Name;
    waiting->Id = member->Id;
    waiting->TemplateId = member->Id;
    waiting->ScriptId = 100;
    const int64_t id = member->Id;
    // Written before the member is freed: a failed write leaves the party whole.
    form.DataManager->SavePlayer(member, 0);
    waiting->PlacementId = form.LocationManager->InsertRow(here->Id, ctWaitingMember, true, id);
    form.Party[slot - 1].reset();
    client.ClearMemberPanel(slot);
    client.EnableMemberPanel(slot, false);
    TEntity* left = waiting.get();
    here->AddNpc(std::move(waiting));
    SendSystemMessage(11, left);
    return id;
}
