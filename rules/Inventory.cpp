#include "rules/Inventory.h"

#include <utility>

#include "app/MainForm.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/Stacks.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"

namespace {

void Inform(const std::string& message)
{
    Host().MessageDlg(message, TMsgDlgType::Information, mbOK);
}

void Refresh(const TPlayer& member)
{
    if (const int slot = MainForm().SlotOf(&member))
        GameClient().RefreshMemberPanel(slot);
}

bool IsTwoHanded(const TItem& item)
{
    const auto* weapon = dynamic_cast<const TWeapon*>(&item);
    return weapon && weapon->two_handed;
}

// The item's equip event and the removal event of what it would replace; both
// run while everything is still in place.
bool AgreesToWear(TPlayer& member, TItem& item, int bodySlot)
{
    if (RunScriptOnce(seOnEquip, &member, TScriptParam{}, &item, nullptr, item.ScriptId) == 0 || !InParty(member))
        return false;
    TItem* worn = member.HeldInBodySlot(bodySlot);
    if (worn && RunScriptOnce(seOnUnequip, &member, TScriptParam{}, worn, nullptr, worn->ScriptId) == 0)
        return false;
    return InParty(member);
}

} // namespace

std::unique_ptr<TItem>* HolderOf(TCreature& creature, TPackSlot slot)
{
    if (slot.Area == TPackArea::Backpack)
        return slot.Slot >= 1 && slot.Slot <= BackpackSlotCount ? &creature.Backpack[slot.Slot - 1] : nullptr;
    return slot.Slot >= 1 && slot.Slot <= QuickSlotCount ? &creature.QuickSlots[slot.Slot - 1] : nullptr;
}

TItem* ItemAt(TCreature& creature, TPackSlot slot)
{
    const std::unique_ptr<TItem>* holder = HolderOf(creature, slot);
    return holder ? holder->get() : nullptr;
}

bool InParty(const TPlayer& member)
{
    return BookOpen() && !GameClient().SessionClosed && MainForm().SlotOf(&member) != 0;
}

bool MayDropOnSlot(TPlayer& member, TPackSlot from, TPackSlot to)
{
    const TItem* item = ItemAt(member, from);
    if (!item || !HolderOf(member, to) || from == to)
        return false;
    if (to.Area == TPackArea::Backpack || from.Area == TPackArea::Quick)
        return true;
    return item->EquipSlots.test(QuickUseBit) && member.CanUse(*item);
}

void DropOnSlot(TPlayer& member, TPackSlot from, TPackSlot to)
{
    if (!MayDropOnSlot(member, from, to))
        return;
    std::unique_ptr<TItem>& source = *HolderOf(member, from);
    std::unique_ptr<TItem>& target = *HolderOf(member, to);
    if (!target)
        target = std::move(source);
    else if (DropStackOn(source, *target, to.Area == TPackArea::Quick) == TStackDrop::NotStacks &&
             from.Area == TPackArea::Quick && to.Area == TPackArea::Quick)
        std::swap(source, target);
    Refresh(member);
}

bool MayWear(const TPlayer& member, const TItem& item, int bodySlot)
{
    return bodySlot >= 0 && bodySlot < BodySlotCount && member.CanUse(item) && item.EquipSlots.test(bodySlot) &&
           !(bodySlot == bsLHand && IsTwoHanded(item));
}

void WearFromBackpack(TPlayer& member, int backpackSlot, int bodySlot)
{
    std::unique_ptr<TItem>* holder = HolderOf(member, {TPackArea::Backpack, backpackSlot});
    TItem* item = holder ? holder->get() : nullptr;
    if (!item || !MayWear(member, *item, bodySlot) || !AgreesToWear(member, *item, bodySlot))
        return;
    // The scripts may have moved or freed the item meanwhile.
    if (holder->get() != item || !MayWear(member, *item, bodySlot))
        return;
    std::unique_ptr<TItem> wearing = std::move(*holder);
    if (!member.Equip(wearing, bodySlot, false)) {
        *holder = std::move(wearing);
        return;
    }
    if (wearing)
        StowOrDrop(member, std::move(wearing));
    Refresh(member);
}

void WearByName(TPlayer& member, const std::string& name, int bodySlot)
{
    for (int slot = 1; slot <= BackpackSlotCount; ++slot) {
        const TItem* item = member.Backpack[slot - 1].get();
        if (item && (item->Name == name || ItemDisplayName(item) == name))
            return WearFromBackpack(member, slot, bodySlot);
    }
    Inform("Item not found in backpack");
}

void TakeOff(TPlayer& member, int bodySlot)
{
    TItem* worn = member.HeldInBodySlot(bodySlot);
    if (!worn || RunScriptOnce(seOnUnequip, &member, TScriptParam{}, worn, nullptr, worn->ScriptId) == 0)
        return;
    if (!InParty(member) || member.HeldInBodySlot(bodySlot) != worn)
        return;
    StowOrDrop(member, member.Unequip(bodySlot));
    Refresh(member);
}

void StowOrDrop(TCreature& creature, std::unique_ptr<TItem> item)
{
    if (!item)
        return;
    if (const int free = creature.FirstFreeBackpackSlot()) {
        creature.PutInBackpack(item, free);
        return;
    }
    DropIntoCurrentLocation(std::move(item));
    Inform("Backpack is full. Item dropped");
}

void GiveItem(TPlayer& giver, TPackSlot from, TPlayer& receiver)
{
    if (&giver == &receiver || !ItemAt(giver, from))
        return;
    if (from.Area == TPackArea::Quick) {
        Inform("Put the item into your backpack first.");
        return;
    }
    const int free = receiver.FirstFreeBackpackSlot();
    if (!free) {
        Inform("Backpack is FULL.");
        return;
    }
    receiver.PutInBackpack(*HolderOf(giver, from), free);
    Refresh(giver);
    Refresh(receiver);
}

void DiscardItem(TPlayer& member, TPackSlot from)
{
    std::unique_ptr<TItem>* holder = HolderOf(member, from);
    // Without a place to lie in the item would be lost.
    if (!holder || !*holder || !GameClient().CurrentLocation)
        return;
    DropIntoCurrentLocation(std::move(*holder));
    Refresh(member);
}

void IdentifyItem(TPlayer& member, TPackSlot from)
{
    TItem* item = ItemAt(member, from);
    if (!item)
        return;
    if (from.Area != TPackArea::Backpack) {
        Inform("Put it in the backpack first.");
        return;
    }
    if (item->Identified) {
        Inform("Item already identified.");
        return;
    }
    if (RunScriptOnce(seOnIdentify, &member, TScriptParam{}, item, nullptr, item->ScriptId) == -1) {
        Inform("Item could not be identified.");
        return;
    }
    if (InParty(member))
        Refresh(member);
}
