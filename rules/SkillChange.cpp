#include "rules/SkillChange.h"

#include <algorithm>

#include "rules/Creature.h"
#include "rules/SkillScript.h"
#include "rules/Skills.h"
#include "script/ScriptRegistry.h"

namespace {

// The adventure's own skill hears of the change through its script's OnModify.
void TellSkillScript(TCreature& creature, const std::string& skillName, int32_t oldValue, int32_t newValue)
{
    const auto entry = std::find_if(creature.Skills.begin(), creature.Skills.end(),
                                    [&](const SkillEntry& skill) { return skill.skill_name == skillName; });
    if (entry == creature.Skills.end())
        return;
    const std::string file = entry->skill_script;
    const int64_t id = HasExtension(file, ".js")    ? JavaScriptSkillScriptId
                       : HasExtension(file, ".vbs") ? VBScriptSkillScriptId
                                                    : 0;
    if (id == 0)
        return;
    const int handle = LoadScript(id, SkillScriptText(file));
    if (handle < 0)
        return;
    TScriptParam param;
    param.Value = oldValue;
    param.Second = newValue;
    RunScript(handle, seOnModify, &creature, param, nullptr, nullptr);
    FreeScript(handle);
}

} // namespace

void ApplySkillChange(TCreature& creature, const std::string& skillName, int32_t newValue)
{
    const int32_t oldValue = creature.SkillValue(skillName);
    if (oldValue < 0 || oldValue == newValue)
        return;
    const auto gained = [&](int32_t (*band)(int32_t)) { return band(newValue) - band(oldValue); };
    switch (BuiltInSkillIndex(skillName)) {
    case skMightyStrike:
        creature.DamageMod[acMelee] += gained(Band6);
        break;
    case skWithstandDamage:
        creature.ChangeStat(siEndMax, 3 * gained(Band4));
        break;
    case skPriestSpellRes:
        creature.Armor[acPriest] += gained(Band8);
        break;
    case skWizardSpellRes:
        creature.Armor[acWizard] += gained(Band8);
        break;
    case skPhysicalRes:
        for (const int type : {dtPierce, dtBlunt, dtSlash})
            creature.ChangeStat(siFirstResistance + type, newValue - oldValue);
        break;
    case skPoisonRes:
        creature.ChangeStat(siFirstResistance + int{dtPoison}, newValue - oldValue);
        break;
    case skAccuracy:
        creature.AttackMod[acMissile] += gained(Band8);
        break;
    case skBlessedShot:
        creature.DamageMod[acMissile] += gained(Band8);
        break;
    case skMagicRes:
        creature.Armor[acWizard] += gained(Band8);
        creature.Armor[acPriest] += gained(Band8);
        break;
    case -1:
        TellSkillScript(creature, skillName, oldValue, newValue);
        break;
    default:
        break;
    }
}
