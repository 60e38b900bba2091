#include "rules/Death.h"

#include <cmath>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

void LocationCreatureDied(TLocation& here, TEnemy& creature)
{
    AppendText(creature.Name + " :DEAD");
    if (creature.experience > 0) {
        AwardExperience(creature.experience);
        AppendText("~<c:LIME>The party gained experience " + std::to_string(creature.experience));
        AppendText("");
    }
    RunScriptOnce(seOnDead, nullptr, TScriptParam{}, &creature, nullptr, creature.ScriptId);
    TForm1& form = MainForm();
    if (form.LocationManager)
        form.LocationManager->MarkAsBody(creature.PlacementId);
    here.AddCorpse(here.TakeCreature(&creature));
}

void MemberDied(int slot)
{
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    TPlayer& member = *form.Party[slot - 1];
    AppendText(member.Name + " ~<c:#db2c10;b;>:DEAD");
    member.States.set(StateDead);
    if (form.DataManager)
        form.DataManager->SavePlayer(&member, 0);
    // The body goes to the ground it fell on; it is still running its own stat
    // change, so it must never be freed here.
    TLocation* here = client.CurrentLocation;
    if (!here)
        return;
    if (form.LocationManager)
        member.PlacementId = form.LocationManager->InsertRow(here->Id, ctDeadPlayer, true, member.Id);
    here->AddCorpse(std::move(form.Party[slot - 1]));
    client.ClearMemberPanel(slot);
    client.EnableMemberPanel(slot, false);
    CheckGameOver();
}

} // namespace

void CreatureDied(TCreature& creature)
{
    TProcess& process = Process();
    if (!process.MainForm || !process.Client)
        return;
    if (const int slot = process.MainForm->SlotOf(&creature)) {
        MemberDied(slot);
        return;
    }
    TLocation* here = process.Client->CurrentLocation;
    if (!here)
        return;
    for (const auto& living : here->Creatures)
        if (living.get() == &creature) {
            LocationCreatureDied(*here, *living);
            return;
        }
}

void AwardExperience(int32_t amount)
{
    TForm1& form = MainForm();
    int members = 0;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        members += form.Member(slot) != nullptr;
    if (amount == 0 || members == 0)
        return;
    const auto share = static_cast<int32_t>(std::nearbyint(static_cast<double>(amount) / members));
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        TPlayer* member = form.Member(slot);
        if (!member)
            continue;
        member->experience += share;
        const std::string number = std::to_string(slot);
        if (member->experience >= member->next_level)
            form.Control("BtnLevelUp" + number).Enabled = true;
        form.Control("Experience" + number).Caption = std::to_string(member->experience);
    }
}

void CheckGameOver()
{
    TForm1& form = MainForm();
    if (form.InCombat && !form.TurnBasedCombat)
        return;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (form.Member(slot))
            return;
    GameOver();
}

void GameOver()
{
    TForm1& form = MainForm();
    GameClient().SessionClosed = true;
    Process().GameDir.clear();
    EndCombat();
    if (form.DataManager)
        form.DataManager->LoadPicture("dead.jpg", form.Control("Image"));
    Host().MessageDlg("Game Over :-( ", TMsgDlgType::Information, mbOK);
}
