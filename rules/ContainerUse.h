// A member putting things into containers and taking them out: those lying in
// the current location and those in its own backpack.
#pragma once

#include <string>
#include <vector>

#include "rules/Inventory.h"

class TItem;
class TPlayer;

struct TContainerChoice {
    TItem* Container = nullptr;
    std::string Caption;
};

// The location's containers, then the member's backpack ones marked "(backpack)".
std::vector<TContainerChoice> ContainersAtHand(TPlayer& member);
// Whether the container still lies here or in the member's backpack.
bool AtHand(TPlayer& member, const TItem* container);
// The item of the member's slot goes into the container's first empty place,
// when the container is open, takes its kind, has room and its insert event agrees.
void InsertIntoContainer(TPlayer& member, TPackSlot from, TItem& container);

enum class TTakeOut { Done, Refused, BackpackFull };
// The object of the container's place goes to the member's first free backpack
// slot, when the container's take-out event agrees.
TTakeOut TakeOutOfContainer(TPlayer& member, TItem& container, size_t place);
// The container's gold goes to the party.
void TakeGoldOutOf(TItem& container);
