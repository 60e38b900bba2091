// The built-in skills: their codes as scripts name them, and their display names.
#pragma once

#include <string>

constexpr int BuiltInSkillCount = 40;

struct TSkillInfo {
    const char* Code;
    const char* Name;
};
extern const TSkillInfo BuiltInSkills[BuiltInSkillCount];

// The display name of a skill code ("SK_LHAND" -> "Left Hand Fighting"); any other
// text is taken as a display name already.
std::string SkillDisplayName(const std::string& codeOrName);
