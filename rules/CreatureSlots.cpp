// The backpack, quick slots and body slots of a creature.
#include <utility>

#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/Skills.h"
#include "session/Process.h"

namespace {

TItem* Shown(TItem* item)
{
    if (!item)
        return &EmptyItem();
    item->Name = ItemDisplayName(item);
    return item;
}

void ShowError(const std::string& message)
{
    Host().MessageDlg(message, TMsgDlgType::Error, mbOK);
}

template <size_t N>
std::unique_ptr<TItem> TakeMatching(std::array<std::unique_ptr<TItem>, N>& slots, int64_t id)
{
    for (auto& item : slots)
        if (item && (item->Id == id || item->TemplateId == id))
            return std::move(item);
    return nullptr;
}

} // namespace

TItem* TCreature::BackpackItem(int slot)
{
    return slot >= 1 && slot <= BackpackSlotCount ? Shown(Backpack[slot - 1].get()) : &EmptyItem();
}

TItem* TCreature::QuickItem(int slot)
{
    return slot >= 1 && slot <= QuickSlotCount ? Shown(QuickSlots[slot - 1].get()) : &EmptyItem();
}

TItem* TCreature::BodyItem(int slot)
{
    if (slot == bsLHand && TwoHandedInBothHands)
        return Shown(BodySlots[bsRHand].get());
    return slot >= 0 && slot < BodySlotCount ? Shown(BodySlots[slot].get()) : &EmptyItem();
}

const TItem* TCreature::HeldInBodySlot(int slot) const
{
    if (slot == bsLHand && TwoHandedInBothHands)
        return BodySlots[bsRHand].get();
    return slot >= 0 && slot < BodySlotCount ? BodySlots[slot].get() : nullptr;
}

TItem* TCreature::HeldInBodySlot(int slot)
{
    return const_cast<TItem*>(std::as_const(*this).HeldInBodySlot(slot));
}

int TCreature::FirstFreeBackpackSlot() const
{
    for (int slot = 1; slot <= BackpackSlotCount; ++slot)
        if (!Backpack[slot - 1])
            return slot;
    return 0;
}

bool TCreature::PutInBackpack(std::unique_ptr<TItem>& item, int slot)
{
    // An occupied slot refuses: what lies there is never freed by mistake.
    if (!item || slot < 1 || slot > BackpackSlotCount || Backpack[slot - 1])
        return false;
    Backpack[slot - 1] = std::move(item);
    return true;
}

bool TCreature::PutInQuickSlot(std::unique_ptr<TItem>& item, int slot)
{
    if (!item || slot < 1 || slot > QuickSlotCount || QuickSlots[slot - 1])
        return false;
    QuickSlots[slot - 1] = std::move(item);
    return true;
}

void TCreature::SetBodySlot(std::unique_ptr<TItem> item, int slot)
{
    if (slot < 0 || slot >= BodySlotCount)
        return;
    if (slot == bsRHand || slot == bsLHand)
        TwoHandedInBothHands = false;
    BodySlots[slot] = std::move(item);
}

void TCreature::HoldInBothHands()
{
    const auto* weapon = dynamic_cast<const TWeapon*>(BodySlots[bsRHand].get());
    if (!weapon || !weapon->two_handed)
        return;
    BodySlots[bsLHand].reset();
    TwoHandedInBothHands = true;
}

std::unique_ptr<TItem> TCreature::TakeFromSlot(int slot, int area)
{
    const int limit = area == 1 ? BackpackSlotCount : area == 2 ? QuickSlotCount : area == 3 ? BodySlotCount : 0;
    if (limit == 0) {
        ShowError("Invalid position " + std::to_string(area));
        return nullptr;
    }
    if (slot < 1 || slot > limit) {
        ShowError("Invalid slot number");
        return nullptr;
    }
    if (area == 1)
        return std::move(Backpack[slot - 1]);
    if (area == 2)
        return std::move(QuickSlots[slot - 1]);
    const int body = slot - 1;
    if (TwoHandedInBothHands && (body == bsRHand || body == bsLHand)) {
        TwoHandedInBothHands = false;
        return std::move(BodySlots[bsRHand]);
    }
    return std::move(BodySlots[body]);
}

std::unique_ptr<TItem> TCreature::TakeItemById(int64_t id)
{
    if (auto item = TakeMatching(Backpack, id))
        return item;
    if (auto item = TakeMatching(QuickSlots, id))
        return item;
    return UnequipById(id);
}

std::unique_ptr<TItem> TCreature::TakeItemByName(const std::string& name)
{
    for (auto& item : Backpack)
        if (item && (item->Name == name || ItemDisplayName(item.get()) == name))
            return std::move(item);
    Host().MessageDlg("Item not found in backpack", TMsgDlgType::Information, mbOK);
    return nullptr;
}

std::unique_ptr<TItem> TCreature::UnequipById(int64_t id)
{
    for (int slot = 0; slot < BodySlotCount; ++slot)
        if (BodySlots[slot] && BodySlots[slot]->Id == id)
            return Unequip(slot);
    return nullptr;
}

int32_t TCreature::SkillValue(const std::string& codeOrName) const
{
    const std::string name = SkillDisplayName(codeOrName);
    for (const SkillEntry& skill : Skills)
        if (skill.skill_name == name)
            return skill.skill_value;
    return -1;
}
