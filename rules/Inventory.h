// What a member does with the things on its tab: moving them between backpack,
// quick and body slots, stacking, wearing and taking off, giving to another
// member and dropping to the ground. Item scripts are asked while everything is
// still in place, and each move happens whole after the last wait, or not at all.
#pragma once

#include <memory>
#include <string>

class TCreature;
class TItem;
class TPlayer;

// A backpack slot 1..15 or a quick slot 1..3.
enum class TPackArea { Backpack, Quick };
struct TPackSlot {
    TPackArea Area = TPackArea::Backpack;
    int Slot = 0;

    bool operator==(const TPackSlot&) const = default;
};

// The slot's holder, or null outside 1..15 / 1..3.
std::unique_ptr<TItem>* HolderOf(TCreature& creature, TPackSlot slot);
TItem* ItemAt(TCreature& creature, TPackSlot slot);
// Still in the party of an open book.
bool InParty(const TPlayer& member);

// Whether the item in from may be dropped on to (both the member's own).
bool MayDropOnSlot(TPlayer& member, TPackSlot from, TPackSlot to);
// Stacks of one kind merge; quick items swap; anything else moves into an
// empty slot only.
void DropOnSlot(TPlayer& member, TPackSlot from, TPackSlot to);

// Whether the backpack item may be worn in the body slot (0..11).
bool MayWear(const TPlayer& member, const TItem& item, int bodySlot);
// Wears the backpack item after its equip event and the worn item's removal
// event agree; what it replaces goes to the backpack or the ground.
void WearFromBackpack(TPlayer& member, int backpackSlot, int bodySlot);
// The first backpack item with that name, as the equipment list names it.
void WearByName(TPlayer& member, const std::string& name, int bodySlot);
// Takes off what the body slot holds, after its removal event agrees.
void TakeOff(TPlayer& member, int bodySlot);
// Into the first free backpack slot, or onto the ground with a message.
void StowOrDrop(TCreature& creature, std::unique_ptr<TItem> item);

// The backpack item goes to the receiver's first free backpack slot.
void GiveItem(TPlayer& giver, TPackSlot from, TPlayer& receiver);
// Onto the ground of the current location.
void DiscardItem(TPlayer& member, TPackSlot from);
// The identify event of an unidentified backpack item.
void IdentifyItem(TPlayer& member, TPackSlot from);
