// What the levels and the built-in classes give a character: experience to the
// next level, the attack roll, the class names and their five skills.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/Creature.h"

class TStringHash;

// By level 1..18, at index level - 1.
extern const int32_t ExperienceTable[18];
extern const int AttackRollTable[18];

// By built-in class id 1..10, at index id - 1.
extern const char* const ClassNames[10];

// The five skills a class gives: a built-in class's from its table, any other
// from the skill_1 .. skill_5 codes of its classes row (five empty ones without):
// -1 none, 0..39 a built-in skill, above 63 the adventure's skill of that id.
// Codes 40 to 63 name no skill.
std::vector<SkillEntry> ClassSkillEntries(int classId, const TStringHash* classRow);
