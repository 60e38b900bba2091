#include "rules/ItemUse.h"

#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/ItemCharges.h"
#include "rules/Casting.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"

namespace {

enum class TArea { Body, Quick, Aside };

// Where the used item lies: a body slot (0..11), a quick slot (1..3), or aside
// in the caller's hands.
class TUsePlace {
public:
    TUsePlace(TPlayer& user, TArea area, int slot, std::unique_ptr<TItem>* aside = nullptr)
        : User(user), Area(area), Slot(slot), Aside(aside), Item(Holder() ? Holder()->get() : nullptr)
    {
    }

    // The item, while it and its user are where they were.
    TItem* Find() const
    {
        if (!Item || MainForm().SlotOf(&User) == 0 || User.end <= 0)
            return nullptr;
        const std::unique_ptr<TItem>* holder = Holder();
        return holder && holder->get() == Item ? Item : nullptr;
    }
    bool IsAside() const { return Area == TArea::Aside; }
    // Takes the item out; a worn one is taken off first, so its modifiers go.
    std::unique_ptr<TItem> Take()
    {
        if (Area == TArea::Body)
            return User.Unequip(Slot);
        return std::move(*Holder());
    }

    TPlayer& User;

private:
    std::unique_ptr<TItem>* Holder() const
    {
        switch (Area) {
        case TArea::Body:
            return Slot >= 0 && Slot < BodySlotCount ? &User.BodySlots[Slot] : nullptr;
        case TArea::Quick:
            return Slot >= 1 && Slot <= QuickSlotCount ? &User.QuickSlots[Slot - 1] : nullptr;
        case TArea::Aside:
            return Aside;
        }
        return nullptr;
    }

    const TArea Area;
    const int Slot;
    std::unique_ptr<TItem>* const Aside;
    TItem* const Item;
};

void Inform(const std::string& text)
{
    Host().MessageDlg(text, TMsgDlgType::Information, mbOK);
}

bool Closed()
{
    return GameClient().SessionClosed;
}

void RefreshMember(const TPlayer& user)
{
    if (const int slot = MainForm().SlotOf(&user))
        GameClient().RefreshMemberPanel(slot);
}

// The special use the player picks (the only one without asking); -1 for none.
int PickUse(const TUsePlace& place)
{
    const TItem* item = place.Find();
    if (!item)
        return -1;
    if (item->SpecialUses.size() == 1)
        return 0;
    std::vector<std::string> names;
    for (const auto& use : item->SpecialUses)
        names.push_back(use ? use->Name : std::string());
    const int picked = GameClient().ChooseFromList(names);
    item = place.Find();
    return item && picked >= 0 && static_cast<size_t>(picked) < item->SpecialUses.size() ? picked : -1;
}

void UseItem(TUsePlace& place)
{
    TItem* item = place.Find();
    TPlayer& user = place.User;
    if (!item || item->SpecialUses.empty())
        return;
    if (!user.CanUse(*item)) {
        Inform("You do not meet the requirements to use this item");
        return;
    }
    if (item->used_if_on && place.IsAside()) {
        Inform("Item can not be used from this location.");
        return;
    }
    if (item->ccharges == 0) {
        Inform("You cannot use this item any more");
        return;
    }
    for (;;) {
        const int index = PickUse(place);
        item = place.Find();
        if (index < 0 || !item || !item->SpecialUses[index])
            return;
        const TSpecialItem* special = item->SpecialUses[index].get();
        // The target is picked before anything is spent, and everything is found
        // again afterwards: the fight goes on while the player chooses.
        TCreature* target = nullptr;
        if (!special->massive && !special->apply_to_user) {
            target = GameClient().ChooseCreature(true, true, false);
            item = place.Find();
            if (!item || !item->SpecialUses[index])
                return;
            special = item->SpecialUses[index].get();
        }
        const bool picked = special->massive || special->apply_to_user || target;
        const auto* spell = HoldsSpells(*item) ? dynamic_cast<const TSpell*>(special) : nullptr;
        if (!spell) {
            if (!picked || !UseSpecial(user, *special, target))
                return;
            break;
        }
        if (const std::string lacking = MissingForSpell(user, *spell); !lacking.empty()) {
            Inform("Not enough " + lacking);
            if (item->SpecialUses.size() > 1)
                continue;
            return;
        }
        // Without a target the mana stays, but the charge is spent.
        if (picked) {
            const int32_t mana = spell->req_mana;
            user.ChangeStat(siMana, -mana);
            if (!Cast(user, *spell, target) && place.Find())
                user.ChangeStat(siMana, mana);
        }
        break;
    }
    if (Closed())
        return;
    if (TItem* used = place.Find(); used && CountCharge(*used))
        DestroyItem(place.Take());
    RefreshMember(user);
}

bool MayUse(const TPlayer& user)
{
    const TGameClient& client = GameClient();
    return BookOpen() && !client.SessionClosed && MainForm().SlotOf(&user) != 0;
}

} // namespace

void UseBodyItem(TPlayer& user, int bodySlot)
{
    if (!MayUse(user))
        return;
    TUsePlace place(user, TArea::Body, bodySlot);
    UseItem(place);
    RefreshMember(user);
}

void UseQuickItem(TPlayer& user, int quickSlot)
{
    if (!MayUse(user))
        return;
    TUsePlace place(user, TArea::Quick, quickSlot);
    UseItem(place);
    const int slot = MainForm().SlotOf(&user);
    if (!slot)
        return;
    GameClient().RefreshMemberPanel(slot);
    // The label of the user's own slot, whoever is selected by now.
    if (quickSlot >= 1 && quickSlot <= QuickSlotCount && !user.QuickSlots[quickSlot - 1])
        MainForm().Control("Quick" + std::to_string(quickSlot) + "_" + std::to_string(slot)).Caption = "EMPTY";
}

void UseBackpackItem(TPlayer& user, int backpackSlot)
{
    if (!MayUse(user) || backpackSlot < 1 || backpackSlot > BackpackSlotCount || !user.Backpack[backpackSlot - 1])
        return;
    std::unique_ptr<TItem> aside = std::move(user.Backpack[backpackSlot - 1]);
    TUsePlace place(user, TArea::Aside, 0, &aside);
    UseItem(place);
    if (!aside)
        return;
    // A script or an equipment check may have filled the slot meanwhile.
    const bool member = MainForm().SlotOf(&user) != 0;
    int slot = member && !user.Backpack[backpackSlot - 1] ? backpackSlot : member ? user.FirstFreeBackpackSlot() : 0;
    if (slot && user.PutInBackpack(aside, slot)) {
        RefreshMember(user);
        return;
    }
    DropIntoCurrentLocation(std::move(aside));
}
