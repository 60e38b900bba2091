#include "rules/ClassTables.h"

#include <string>

#include "data/Convert.h"
#include "data/SQLite.h"
#include "rules/Skills.h"
#include "session/Process.h"

const int32_t ExperienceTable[18] = {1250,   2500,   5000,   8000,    16000,   26000,   40000,   60000,   100000,
                                     170000, 250000, 350000, 650000, 1000000, 1400000, 1800000, 2400000, 5000000};
const int AttackRollTable[18] = {1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5};

const char* const ClassNames[10] = {"Warrior",   "Wizard", "Priest",       "Thief",        "Pirate",
                                    "Tormentor", "Amazon", "BattleWizard", "BattlePriest", "Cultist"};

namespace {

// The five skills a new character of each built-in class starts with.
const char* const ClassSkills[10][5] = {
    {"Dual Weapon Fighting", "Left Hand Fighting", "Mighty Strike", "Withstand Damage", "Perception"},
    {"Read Languages/Symbols", "Arcane Knowledge", "Priest Spell Resistance", "Stone Form", "Animal Control"},
    {"Herbalism", "Neutralize Poison", "First Aid", "Wizard Spell Resistance", "Sacred Shield"},
    {"Find Traps", "Remove Traps", "Evaluate", "Pick Lock", "Detect Secret Doors"},
    {"Pathmanship", "Climb Rope/Wall", "Dual Weapon Fighting", "Boating", "Knife Throwing"},
    {"Interogation", "Cause Pain", "Dual Weapon Fighting", "Physical Damage Resistance", "Battle Fury"},
    {"Hide/Camouflage", "Withstand Damage", "Poison Resistance", "Dual Weapon Fighting", "Left Hand Fighting"},
    {"Left Hand Fighting", "Negative Energy Projection", "Accuracy", "Arcane Knowledge", "Iron Body"},
    {"Heroic Psalm", "Left Hand Fighting", "Accuracy", "Destroy Weapon", "Blessed Shot"},
    {"Arcane Knowledge", "Alchemy", "Mind Blast", "Obliteration", "Magic Resistance"},
};

SkillEntry SkillForCode(int code)
{
    SkillEntry skill;
    if (code >= 0 && code < BuiltInSkillCount) {
        skill.skill_name = BuiltInSkills[code].Name;
    } else if (code > 63 && Process().SessionDb) {
        const TRecordSet found = Process().SessionDb->Query("select script, name from skills where id = " +
                                                            std::to_string(code));
        if (!found.empty()) {
            skill.skill_name = found[0]->GetItem("name");
            skill.skill_script = found[0]->GetItem("script");
        }
    }
    return skill;
}

} // namespace


std::vector<SkillEntry> ClassSkillEntries(int classId, const TStringHash* classRow)
{
    std::vector<SkillEntry> skills(5);
    for (int skill = 0; skill < 5; ++skill) {
        if (classId >= 1 && classId <= 10) {
            skills[skill].skill_name = ClassSkills[classId - 1][skill];
        } else if (classRow) {
            const std::string code = classRow->GetItem("skill_" + std::to_string(skill + 1));
            skills[skill] = SkillForCode(code.empty() ? -1 : StrToIntDef(code, -1));
        }
    }
    return skills;
}
