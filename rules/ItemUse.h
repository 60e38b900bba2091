// A party member using an item's special uses or spells: worn, from a quick slot,
// or taken out of the backpack for the use. The world goes on while the player
// chooses, so the item and its user are found again after every choice.
#pragma once

class TPlayer;

// Body slots 0..11.
void UseBodyItem(TPlayer& user, int bodySlot);
// Quick slots 1..3.
void UseQuickItem(TPlayer& user, int quickSlot);
// Backpack slots 1..15: the item is taken out for the use and goes back to its
// slot, or the first free one, or the ground.
void UseBackpackItem(TPlayer& user, int backpackSlot);
