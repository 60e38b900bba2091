// Members written to character files, and characters taken from them at creation.
#include <filesystem>

#include "data/CharacterFile.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "session/Process.h"

namespace {

const char* const CharacterFilter = "Exported Character File (*.chr)|*.chr";

TCharacterFile RecordOf(const TPlayer& player, int32_t stamp)
{
    TCharacterFile character;
    character.Stamp = stamp;
    character.Name = player.Name;
    character.Race = player.race_name;
    character.EnduranceMax = player.Base.end_max;
    character.Endurance = player.end;
    character.ManaMax = player.Base.mana_max;
    character.Mana = player.mana;
    character.ClassId = player.ClassId;
    character.Level = static_cast<uint8_t>(player.level);
    character.NextLevel = player.next_level;
    character.Experience = player.experience;
    character.Abilities = player.Base.Abilities;
    character.Resistances = player.Base.Resistances;
    character.Mastery = player.Mastery;
    for (const SkillEntry& skill : player.Skills)
        character.Skills.push_back({skill.skill_name, skill.skill_value, skill.skill_script});
    character.AttackRoll = static_cast<uint8_t>(player.attack_roll);
    character.Delay = static_cast<uint8_t>(player.delay);
    character.AttackMod = player.Base.AttackMod;
    character.DamageMod = player.Base.DamageMod;
    character.Armor = player.Base.Armor;
    const DamageRec& damage = player.NaturalDamage;
    character.NaturalDamage = {damage.Id,       damage.Form,       damage.Modifier, damage.DiceCount, damage.DieSize,
                               damage.DamageType, damage.Duration, damage.Trigger,  damage.Values};
    return character;
}

void Fill(TPlayer& creature, const TCharacterFile& character)
{
    creature.Name = character.Name;
    creature.race_name = character.Race;
    creature.ScriptText.clear();
    creature.DescId = 0;
    creature.SetStat(siEndMax, character.EnduranceMax, false);
    creature.SetStat(siEnd, std::min(character.Endurance, character.EnduranceMax), false);
    creature.SetStat(siManaMax, character.ManaMax, false);
    creature.SetStat(siMana, std::min(character.Mana, character.ManaMax), false);
    creature.ClassId = character.ClassId;
    creature.level = character.Level;
    creature.experience = character.Experience;
    creature.next_level = character.NextLevel;
    for (int ability = 0; ability < AbilityCount; ++ability)
        creature.SetStat(siStrength + ability, character.Abilities[ability], false);
    for (int resistance = 0; resistance < DamageTypeCount; ++resistance)
        creature.SetStat(siFirstResistance + resistance, character.Resistances[resistance], false);
    creature.Mastery = character.Mastery;
    creature.attack_roll = character.AttackRoll;
    creature.delay = character.Delay;
    const TCharacterDamage& damage = character.NaturalDamage;
    creature.NaturalDamage = {damage.Id,         damage.Form,   damage.Modifier, damage.DiceCount, damage.DieSize,
                              damage.DamageType, damage.Values, damage.Duration, damage.Trigger};
    creature.AttackMod = character.AttackMod;
    creature.DamageMod = character.DamageMod;
    creature.Armor = character.Armor;
    creature.Gold = 0;
    creature.Skills.clear();
    for (size_t skill = 0; skill < std::min<size_t>(character.Skills.size(), 5); ++skill) {
        const TCharacterSkill& entry = character.Skills[skill];
        creature.Skills.push_back({entry.Name, entry.Value, entry.Script});
    }
}

} // namespace

std::string TDataManager::ExportFolder() const
{
    return (std::filesystem::path(GameFolder) / "Exported").string();
}

bool TDataManager::ExportCharacter(const TPlayer& player, std::string& why)
{
    // A script name cut short would name another adventure's file.
    for (const SkillEntry& skill : player.Skills)
        if (skill.skill_script.size() > CharacterSkillScriptSize) {
            why = "The script \"" + skill.skill_script + "\" of the skill " + skill.skill_name + " is longer than the " +
                  std::to_string(CharacterSkillScriptSize) + " characters a character file can hold.";
            return false;
        }
    std::error_code error;
    std::filesystem::create_directories(ExportFolder(), error);
    if (error) {
        why = "The folder " + ExportFolder() + " cannot be made: " + error.message() + ".";
        return false;
    }
    const std::string path = (std::filesystem::path(ExportFolder()) / CharacterFileName(player.Name)).string();
    if (WriteCharacterFile(path, RecordOf(player, Stamp), why))
        return true;
    why = "The file " + path + " cannot be written: " + why;
    return false;
}

bool TDataManager::ImportCharacter(TPlayer& creature)
{
    if (!AllowImport) {
        Host().MessageDlg("You are not allowed to import any characters.", TMsgDlgType::Information, mbOK);
        return false;
    }
    std::string path;
    do {
        path = ExportFolder() + "/";
        if (!Host().OpenFileDialog("Import a character", CharacterFilter, path))
            return false;
    } while (std::filesystem::path(path).extension() != ".chr");
    std::string why;
    const auto character = ReadCharacterFile(path, why);
    if (!character) {
        Host().MessageDlg(path + " cannot be imported. " + why, TMsgDlgType::Error, mbOK);
        return false;
    }
    const char* refusal = nullptr;
    if (FromCurrent && character->Stamp != Stamp)
        refusal = "You are allowed to import characters only from a previous adventure,belonging to this campaign.";
    else if (character->Level < MinLvl)
        refusal = "The level of the character you are trying to import is lower than the minimum allowed.";
    else if (character->Level > MaxLvl)
        refusal = "The level of the character you are trying to import is greater than the maximum allowed.";
    if (refusal) {
        Host().MessageDlg(refusal, TMsgDlgType::Information, mbOK);
        return false;
    }
    Fill(creature, *character);
    return true;
}
