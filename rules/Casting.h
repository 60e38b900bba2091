// Special uses of items and spells, used by a party member (from the buttons, with
// target choices) or by a creature on its own (from its script). A use applies the
// modifiers, runs the use's script and deals its damage; a spell may be resisted.
#pragma once

#include <cstdint>

class TCreature;
class TSpecialItem;
class TSpell;

// A party member's use; false when no target could be found.
bool UseSpecial(TCreature& user, const TSpecialItem& special, TCreature* target);
bool Cast(TCreature& caster, const TSpell& spell, TCreature* target);
// A creature acting on its own: no choices, no fight started, no turn advanced.
bool CreatureUseSpecial(TCreature& creature, const TSpecialItem& special, TCreature* target);
bool CreatureCast(TCreature& creature, const TSpell& spell, TCreature* target);
// A creature uses the item in its quick slot (1..3): the special use with that id
// (the first for an id of 0 or less) on the party member or creature with the
// target id. False when nothing was used.
bool CreatureUseQuickItem(TCreature& creature, int slot, int64_t specialUseId, int64_t targetId);
