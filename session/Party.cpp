#include "session/Party.h"

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"
#include "world/LocationManager.h"

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
        if (form.Member(slot))
            ++members;
        else
            freeSlot = slot;
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

    // A character who left the party and waits here.
    auto player = std::make_unique<TPlayer>();
    const int32_t gold = client.PartyGold;
    data->LoadPlayer(player.get(), creatureId);
    client.PartyGold = gold;
    if (player->Id == 0)
        return creatureId;
    client.AddPartyMember(player, freeSlot);
    if (TLocation* here = client.CurrentLocation)
        for (auto& npc : here->Npcs)
            if (npc && npc->Id == creatureId) {
                if (form.LocationManager)
                    form.LocationManager->RemoveContentRow(npc->PlacementId);
                npc.reset();
                break;
            }
    return creatureId;
}
