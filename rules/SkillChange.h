// What raising (or lowering) a skill does to a creature beyond the skill's value:
// the passive skills' bonuses, and the OnModify event of an adventure's own skill
// script. The caller stores the new value afterwards.
#pragma once

#include <cstdint>
#include <string>

class TCreature;

// Nothing when the creature lacks the skill or already has that value.
void ApplySkillChange(TCreature& creature, const std::string& skillName, int32_t newValue);
