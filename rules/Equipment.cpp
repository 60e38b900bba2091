// Wearing and taking off items with their modifiers, and who may use what.
#include "app/MainForm.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "script/ScriptRegistry.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"

namespace {

bool MeetsRequirements(const TCreature& creature, const TItem& item)
{
    if (item.special_uses <= 0 && item.SpecialUses.empty() && item.EquipSlots.none())
        return true;
    const int32_t required[AbilityCount] = {item.req_str, item.req_dex, item.req_mind, item.req_faith, item.req_const};
    for (int ability = 0; ability < AbilityCount; ++ability)
        if (creature.Abilities[ability] < required[ability])
            return false;
    return true;
}

bool IsTwoHanded(const TItem* item)
{
    const auto* weapon = dynamic_cast<const TWeapon*>(item);
    return weapon && weapon->two_handed;
}

void Inform(const std::string& message)
{
    Host().MessageDlg(message, TMsgDlgType::Information, mbOK);
}

} // namespace

bool TCreature::CanUse(const TItem& item) const
{
    return MeetsRequirements(*this, item);
}

bool TPlayer::CanUse(const TItem& item) const
{
    return item.Identified && ClassId < ClassIdCount && item.UsableBy.test(ClassId) && MeetsRequirements(*this, item);
}

void TCreature::Wear(const TItem& item, int sign)
{
    for (int ability = 0; ability < AbilityCount; ++ability)
        ChangeStat(siStrength + ability, sign * item.Abilities[ability]);
    for (int kind = 0; kind < AttackClassCount; ++kind)
        Armor[kind] += sign * item.Armor[kind];
    for (int kind : {2, 3}) {
        AttackMod[kind] += sign * item.Attack[kind];
        DamageMod[kind] += sign * item.DamageBonus[kind];
    }
    ChangeStat(siManaMax, sign * item.mana_max);
    ChangeStat(siEndMax, sign * item.end_max);
    for (int type = 0; type < DamageTypeCount; ++type)
        ChangeStat(siFirstResistance + type, sign * item.Resistances[type]);
    // A weapon's bonuses for its own kind of attack count only when attacking with it.
    const auto* weapon = dynamic_cast<const TWeapon*>(&item);
    for (int kind : {0, 1}) {
        const bool applies = !weapon || (weapon->IsMissile() ? kind == 0 : kind == 1);
        if (applies) {
            AttackMod[kind] += sign * item.Attack[kind];
            DamageMod[kind] += sign * item.DamageBonus[kind];
        }
    }
}

bool TCreature::Equip(std::unique_ptr<TItem>& item, int slot, bool askWorn)
{
    if (!item || slot < 0 || slot >= BodySlotCount)
        return false;
    const bool player = dynamic_cast<const TPlayer*>(this) != nullptr;
    if (!CanUse(*item)) {
        if (player)
            Inform("The character can not equip this item.");
        return false;
    }
    if (!item->EquipSlots.test(slot) || (slot == bsLHand && IsTwoHanded(item.get())))
        return false;
    TItem* occupying = slot == bsLHand && TwoHandedInBothHands ? BodySlots[bsRHand].get() : BodySlots[slot].get();
    if (occupying && player && askWorn &&
        RunScriptOnce(seOnUnequip, this, TScriptParam{}, occupying, nullptr, occupying->ScriptId) == 0)
        return false;
    std::unique_ptr<TItem> previous;
    if (BodySlots[slot] || (slot == bsLHand && TwoHandedInBothHands))
        previous = Unequip(slot);
    Wear(*item, +1);
    const bool twoHanded = IsTwoHanded(item.get());
    BodySlots[slot] = std::move(item);
    item = std::move(previous);
    if (twoHanded) {
        if (BodySlots[bsLHand]) {
            std::unique_ptr<TItem> left = Unequip(bsLHand);
            if (const int free = FirstFreeBackpackSlot()) {
                PutInBackpack(left, free);
            } else {
                DropIntoCurrentLocation(std::move(left));
                Inform("Backpack is FULL. Item dropped while freeing the left hand.");
            }
        }
        TwoHandedInBothHands = true;
    }
    return true;
}

std::unique_ptr<TItem> TCreature::Unequip(int slot)
{
    if (slot < 0 || slot >= BodySlotCount)
        return nullptr;
    if (TwoHandedInBothHands && (slot == bsRHand || slot == bsLHand)) {
        TwoHandedInBothHands = false;
        slot = bsRHand;
    }
    std::unique_ptr<TItem> item = std::move(BodySlots[slot]);
    if (item)
        Wear(*item, -1);
    return item;
}

void TCreature::RecheckEquipment()
{
    TForm1* form = Process().MainForm.get();
    if (!form || !form->SlotOf(this))
        return;
    auto reject = [this](std::unique_ptr<TItem> item) {
        AppendText("Due to modifications, " + Name + ",cannot have " + ItemDisplayName(item.get()) +
                   " equipped any more.");
        if (const int free = FirstFreeBackpackSlot()) {
            PutInBackpack(item, free);
        } else {
            DropIntoCurrentLocation(std::move(item));
            Inform("Item droped.");
        }
    };
    for (int slot = 0; slot < BodySlotCount; ++slot) {
        const TItem* worn = slot == bsLHand && TwoHandedInBothHands ? nullptr : BodySlots[slot].get();
        if (worn && !CanUse(*worn))
            reject(Unequip(slot));
    }
    for (auto& quick : QuickSlots)
        if (quick && !CanUse(*quick))
            reject(std::move(quick));
}
