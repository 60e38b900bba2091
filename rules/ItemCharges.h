// What using an item costs: its charges, the caster's mana and abilities for a
// spell, and the item itself when it is used up.
#pragma once

#include <memory>
#include <string>

class TCreature;
class TItem;
class TSpell;

// Spell books and scrolls hold spells; every other item holds special uses.
bool HoldsSpells(const TItem& item);
// "MANA", "MIND POWER" or "FAITH" for the first the caster lacks; empty when it has
// enough of each.
std::string MissingForSpell(const TCreature& caster, const TSpell& spell);
// Counts one use and stores it: -1 charges never run out, the last one empties
// the item. True when the item is used up and goes with its last charge.
bool CountCharge(TItem& item);
// Deletes the item from the session database and frees it.
void DestroyItem(std::unique_ptr<TItem> item);
