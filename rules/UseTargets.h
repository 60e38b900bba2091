// Whom a member's or a creature's use reaches: the location's enemies and the
// party, each found again by id before it is touched, since every blow, script
// and wait may move or free the others; and the end of a member's turn after it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class TCreature;

std::vector<int64_t> EnemyIds();
std::vector<int64_t> MemberIds();
TCreature* EnemyWithId(int64_t id);
TCreature* MemberWithId(int64_t id);
// Whether the creature is one of the current location's creatures.
bool IsEnemy(const TCreature* creature);
// Still able to act: in the party or among the location's creatures, and alive.
bool Present(const TCreature& creature);
// Each of the creatures in turn, found again by id, until the session closes.
void ForEach(const std::vector<int64_t>& ids, bool party, const std::function<void(TCreature&)>& act);
void RefreshIfMember(const TCreature& creature);
// After a member's use in a turn-based fight: its panel goes off and the next
// combatant's turn comes.
void EndTurnOf(const TCreature& user);
