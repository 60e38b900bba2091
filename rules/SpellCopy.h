// Copying a scroll's spell into one of the member's spell books.
#pragma once

#include <string>
#include <vector>

class TItem;
class TPlayer;

// "" when the backpack item is a scroll the member may copy; otherwise why not.
std::string SpellCopyRefusal(const TPlayer& member, const TItem& scroll);
// The books the scroll fits: backpack ones the member can use, then quick-slot
// ones, each made for exactly the scroll's classes and slots.
std::vector<TItem*> SpellBooksFor(TPlayer& member, const TItem& scroll);
// The scroll in the backpack slot gives its first spell to the book, which the
// member still holds; a scroll used up afterwards is freed.
void CopySpell(TPlayer& member, int scrollSlot, TItem& book);
