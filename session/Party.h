// Characters joining the party.
#pragma once

#include <cstdint>

// A stored character waiting outside the party (or, with party management, a
// creature of the adventure) joins it; the id of the new member, or 0 when nobody joined.
int64_t JoinParty(int64_t creatureId);
