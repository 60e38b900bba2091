// The actions on one target (or none): Look, Pick up, Open, Talk to, Unlock, Use,
// Examine, Rest, and the skills' target pickers.
#include "world/LocationActions.h"

#include <algorithm>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "rules/Creature.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/ActionContext.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

// Look's answer as parts to write: 1 the heading, 2 the description, 4 the
// contents summary; -1 asks for all of them.
constexpr int LookHeading = 1;
constexpr int LookDescription = 2;
constexpr int LookContents = 4;

bool AnyItem(const TItem&)
{
    return true;
}

bool Identified(const TItem& item)
{
    return item.Identified;
}

std::string DisplayName(const TItem& item)
{
    return ItemDisplayName(&item);
}

std::string PlainName(const TItem& item)
{
    return item.Name;
}

template <class Offered, class Named>
TTargets<TItem> ItemTargets(const TLocation& here, Offered offered, Named named)
{
    TTargets<TItem> targets;
    for (const auto& item : here.Items)
        if (item && offered(*item))
            targets.Add(item.get(), named(*item));
    return targets;
}

// The event on the object's own script, with the actor as sender and the object as self.
int32_t FireOwnEvent(int event, TCreature* sender, TEntity& object)
{
    return RunScriptOnce(event, sender, TScriptParam{}, &object, nullptr, object.ScriptId);
}

int32_t FireLocationEvent(int event, TCreature* sender, TEntity* target, const TLocation& here)
{
    return RunScriptOnce(event, sender, TScriptParam{}, nullptr, target, here.ScriptId);
}

// Whether the entity is a stored character (a waiting former member, say).
bool IsStoredCharacter(const TEntity& entity)
{
    TSQLite3* db = Process().SessionDb.get();
    if (!db)
        return false;
    db->Execute("select id from players where id = " + std::to_string(entity.Id), true);
    return !db->Rows.empty();
}

// Picks an item for a skill and fires the skill's event on it.
template <class Offered, class Named>
TItem* PickItemForSkill(TCreature* user, int slot, int event, Offered offered, Named named)
{
    TLocation* here = GameClient().CurrentLocation;
    if (!here || ChoicesPending())
        return nullptr;
    const TActor actor{user, slot, here, here->Id};
    TItem* item = ItemTargets(*here, offered, named).Choose(actor);
    if (!item)
        return nullptr;
    FireOwnEvent(event, user, *item);
    return actor.Present() && LiesIn(*here, item) ? item : nullptr;
}

} // namespace

void BtnLookClick(const std::string&)
{
    const auto actor = SelectedActor();
    if (!BookOpen() || !actor)
        return;
    WriteFraming(*actor, "Look");
    AppendText("");
    const int32_t answer = FireLocationEvent(seOnLook, nullptr, nullptr, *actor->Here);
    const int parts =
        answer == -1 ? LookHeading | LookDescription | LookContents : answer >= 1 && answer <= 7 ? answer : 0;
    if (!actor->Present())
        return;
    const TLocation& here = *actor->Here;
    if (parts & LookHeading)
        AppendText(here.Heading());
    if (parts & LookDescription) {
        if (!here.DescText.empty())
            AppendPaged(here.DescText);
        else if (!here.Brief.empty())
            AppendText(here.Brief);
    }
    if (parts & LookContents)
        here.ShowContents();
}

void BtnPickupClick(const std::string&)
{
    const auto actor = SelectedActor();
    if (!actor)
        return;
    const TItem* chosen = ItemTargets(*actor->Here, [](const TItem& item) { return !item.stationary; }, DisplayName)
                              .Choose(*actor);
    if (!chosen)
        return;
    TCreature& member = *actor->Member;
    if (member.FirstFreeBackpackSlot() == 0) {
        AppendText("~<c:YELLOW>Cannot pick up. Backpack is full.");
        AppendText("");
        return;
    }
    // The list was made of ids: the first item with the chosen one is taken.
    TLocation& here = *actor->Here;
    const int64_t id = chosen->Id;
    TItem* item = std::find_if(here.Items.begin(), here.Items.end(), [id](const auto& lying) {
                      return lying && lying->Id == id;
                  })->get();
    WriteFraming(*actor, "Pick Up " + ItemDisplayName(item));
    if (FireLocationEvent(seOnPickUp, &member, item, here) == 0 || !actor->Present())
        return;
    const auto place = PlaceOf(here.Items, item);
    const int slot = member.FirstFreeBackpackSlot();
    if (place == here.Items.end() || slot == 0)
        return;
    AppendText("");
    AppendText(ItemDisplayName(item) + " picked up by " + member.Name);
    if (TLocationManager* locations = MainForm().LocationManager.get())
        locations->RemoveContentRow(item->PlacementId);
    item->PlacementId = -1;
    std::unique_ptr<TItem> taken = std::move(*place);
    member.PutInBackpack(taken, slot);
    GameClient().RefreshMemberPanel(actor->Slot);
    FireOwnEvent(seOnPickUp, &member, *item);
}

void BtnOpenClick(const std::string&)
{
    const auto actor = ActorWithoutPendingChoices();
    if (!actor)
        return;
    TItem* item = ItemTargets(*actor->Here, Identified, [](const TItem& item) {
                      return MarkedOpen(item, item.Name);
                  }).Choose(*actor);
    if (!item)
        return;
    WriteFraming(*actor, "Open " + item->Name);
    TContRec* container = item->Container.get();
    if (container && (container->Locked || container->Open)) {
        AppendText("");
        AppendText(container->Locked ? "It is locked." : "It is open.");
        return;
    }
    if (container) {
        container->Open = true;
        AppendText("");
        AppendText(item->Name + " opened by " + actor->Member->Name);
    }
    FireOwnEvent(seOnOpen, actor->Member, *item);
}

void BtnTalkClick(const std::string&)
{
    const auto actor = ActorWithoutPendingChoices();
    if (!actor)
        return;
    TTargets<TEntity> targets;
    for (const auto& npc : actor->Here->Npcs)
        if (npc)
            targets.Add(npc.get(), npc->Name);
    TEntity* npc = targets.Choose(*actor);
    if (!npc)
        return;
    WriteFraming(*actor, "Talk to " + npc->Name);
    const TDataManager* data = MainForm().DataManager.get();
    if (data && data->SysMsg > 0 && IsStoredCharacter(*npc)) {
        TScriptParam code;
        code.Value = 12;
        if (RunScriptOnce(seOnMessage, nullptr, code, npc, nullptr, data->SysMsg) == 1 || !actor->Present() ||
            !LiesIn(*actor->Here, npc))
            return;
    }
    FireOwnEvent(seOnDialog, actor->Member, *npc);
}

void BtnUnlockClick(const std::string&)
{
    const auto actor = ActorWithoutPendingChoices();
    if (!actor)
        return;
    if (TItem* item = ItemTargets(*actor->Here, Identified, DisplayName).Choose(*actor))
        FireOwnEvent(seOnUnlock, actor->Member, *item);
}

void BtnUseClick(const std::string&)
{
    const auto actor = ActorWithoutPendingChoices();
    if (!actor)
        return;
    TItem* item = ItemTargets(*actor->Here, AnyItem, DisplayName).Choose(*actor);
    if (!item)
        return;
    WriteFraming(*actor, "Use " + ItemDisplayName(item));
    FireOwnEvent(seOnUse, actor->Member, *item);
}

void BtnExamineClick(const std::string&)
{
    const auto actor = ActorWithoutPendingChoices();
    if (!actor)
        return;
    const TLocation& here = *actor->Here;
    TTargets<TEntity> targets;
    for (const auto& body : here.Corpses)
        if (body)
            targets.Add(body.get(), body->Name);
    for (const auto& creature : here.Creatures)
        if (creature)
            targets.Add(creature.get(), creature->Name);
    for (const auto& npc : here.Npcs)
        if (npc)
            targets.Add(npc.get(), npc->Name);
    for (const auto& item : here.Items)
        if (item)
            targets.Add(item.get(), ItemDisplayName(item.get()));
    TEntity* target = targets.Choose(*actor);
    if (!target)
        return;
    WriteFraming(*actor, "Examine " + target->Name);
    // What can be carried away is described by its own script, not by the engine.
    const auto* item = dynamic_cast<const TItem*>(target);
    TDataManager* data = MainForm().DataManager.get();
    if (data && (!item || item->stationary)) {
        std::vector<std::string> lines;
        data->GetTextById(target->DescId, lines);
        if (!lines.empty()) {
            std::string text = lines.front();
            for (size_t line = 1; line < lines.size(); ++line)
                text += "\n" + lines[line];
            AppendText("");
            AppendText(text);
        }
    }
    FireOwnEvent(seOnExamine, actor->Member, *target);
}

void BtnRestClick(const std::string&)
{
    TLocation* here = GameClient().CurrentLocation;
    if (!BookOpen() || !here)
        return;
    if (MainForm().InCombat) {
        AppendText("You may not rest now");
        return;
    }
    if (SelectedActor())
        FireLocationEvent(seOnRest, nullptr, nullptr, *here);
}

TItem* ChoosePickLockTarget()
{
    const int slot = Process().SelectedMember;
    TCreature* member = MainForm().Member(slot);
    if (!member)
        return nullptr;
    return PickItemForSkill(member, slot, seOnPickLock, Identified, PlainName);
}

TItem* ChooseRemoveTrapsTarget(TCreature* user)
{
    return PickItemForSkill(user, MainForm().SlotOf(user), seOnRemoveTrap, AnyItem, DisplayName);
}
