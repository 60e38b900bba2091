// Characters joining the party.
#pragma once

#include <cstdint>

// A stored character waiting outside the party (or, with party management, a
// creature of the adventure) joins it; the id of the new member, or 0 when nobody joined.
int64_t JoinParty(int64_t creatureId);
// The member of the slot (1..6) stays behind in the current location, waiting
// to be taken back; the member's id, or 0 when refused (the last member, one
// that a timed effect acts on, and any member while fighting or trading).
int64_t LeaveParty(int slot);
