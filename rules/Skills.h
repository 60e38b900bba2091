// The built-in skills: their codes as scripts name them, their display names and
// descriptions, and the bands and chances their levels (0..24) give.
#pragma once

#include <cstdint>
#include <string>

constexpr int BuiltInSkillCount = 40;

// The built-in skills by their place in the table.
enum TBuiltInSkill : int {
    skLeftHand, skDualWeapon, skMightyStrike, skPerception, skRead, skLore, skPriestSpellRes, skStoneForm,
    skAnimalControl, skHerbalism, skNeutralizePoison, skFirstAid, skWizardSpellRes, skSacredShield, skFindTraps,
    skRemoveTraps, skEvaluate, skPickLock, skSecretDoors, skPathmanship, skClimb, skKnifeThrowing, skBoating,
    skInterogation, skCausePain, skPhysicalRes, skBattleFury, skHide, skWithstandDamage, skPoisonRes,
    skNegativeEnergy, skAccuracy, skIronBody, skHeroicPsalm, skDestroyWeapon, skBlessedShot, skAlchemy,
    skMindBlast, skObliteration, skMagicRes,
};

struct TSkillInfo {
    const char* Code;
    const char* Name;
    // What the player reads when the pointer rests on the skill's name.
    const char* Description;
};
extern const TSkillInfo BuiltInSkills[BuiltInSkillCount];

// The display name of a skill code ("SK_LHAND" -> "Left Hand Fighting"); any other
// text is taken as a display name already.
std::string SkillDisplayName(const std::string& codeOrName);
// The place of a built-in skill named by code or display name; -1 for the
// adventure's own skills.
int BuiltInSkillIndex(const std::string& codeOrName);

// Bands of a skill level: band4 0..6 (a band every 4 points), band6 0..4 and
// band8 0..3.
int32_t Band4(int32_t value);
int32_t Band6(int32_t value);
int32_t Band8(int32_t value);
// The chance in percent most skills succeed with: 20 at 4 points and 10 more
// every 4 points up to 70 at 24; 0 below 4.
int32_t SkillChance(int32_t value);
