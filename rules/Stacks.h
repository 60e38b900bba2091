// Stacks of ammunition and throwing weapons: how many pieces one slot holds, and
// filling one stack from another.
#pragma once

#include <memory>

class TItem;
class TWeapon;

// The most pieces one stack of the weapon's type holds.
int StackLimit(const TWeapon& weapon);
// Ammunition, darts and weapons marked as missiles come in stacks.
bool IsStackable(const TWeapon& weapon);

enum class TStackDrop {
    // Not two stacks of one kind: the caller moves or refuses.
    NotStacks,
    // Stacks of one kind, but the target is full: nothing changes.
    TargetFull,
    // The target was filled; dragged holds what remains, or nothing.
    Merged,
};

// Drops the dragged stack on target. Of one kind means the same real name, or
// with byTemplate the same template. A dragged stack used up entirely is deleted
// from the session and freed.
TStackDrop DropStackOn(std::unique_ptr<TItem>& dragged, TItem& target, bool byTemplate);
