#include "session/Party.h"

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

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
        return 0;

    // A character who left the party and waits somewhere.
    auto player = std::make_unique<TPlayer>();
    const int32_t gold = client.PartyGold;
    data->LoadPlayer(player.get(), creatureId);
    client.PartyGold = gold;
    if (player->Id == 0)
        return 0;
    client.AddPartyMember(player, freeSlot);
    RemoveWaitingFigure(creatureId);
    if (data->SysMsg > 0) {
        TScriptParam joined;
        joined.Value = 10;
        RunScriptOnce(seOnMessage, nullptr, joined, form.Member(freeSlot), nullptr, data->SysMsg);
    }
    return creatureId;
}
