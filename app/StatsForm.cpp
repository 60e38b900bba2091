#include "app/StatsForm.h"

#include "rules/CharGen.h"
#include "rules/Creature.h"

namespace {

const char* const MasteryNames[MasteryCount] = {
    "Axe",  "Bow",        "Club",        "Crossbow", "Dagger", "Darts", "Flail", "Great Sword", "Hammer",
    "Long Sword", "Mace/Morning Star", "Short Sword", "Sling", "Spear", "Staff", "Two-handed Axe"};
const char* const AttackClassCaptions[AttackClassCount] = {"Melee", "Missile", "Wizard", "Priest"};
const char* const ResistanceCaptions[8] = {"Pierce", "Blunt", "Slash", "Fire", "Acid", "Cold", "Electric", "Poison"};
const char* const ClassNames[10] = {"Warrior",   "Wizard", "Priest",        "Thief",         "Pirate",
                                    "Tormentor", "Amazon", "Battle Wizard", "Battle Priest", "Cultist"};
constexpr int SkillsShown = 5;
constexpr TColor Green = RgbColor(0, 128, 0);

TColor SignColor(int32_t value)
{
    return value > 0 ? Green : value < 0 ? clRed : clBlack;
}

} // namespace

TFrmStats::TFrmStats(const TPlayer& member, const std::string& className) : TFormModel("FrmStats", "Statistics")
{
    Add("PageStats", TControlKind::PageControl).Items = {"Weapons", "Attack/Damage", "Skills",
                                                         "Resistances/Vulnerabilities", "Class/Race"};
    Control("PageStats").ItemIndex = 0;
    const char* const Pages[] = {"TabWeapons", "TabAttack", "TabSkills", "TabResistances", "TabClass"};
    for (size_t page = 0; page < std::size(Pages); ++page)
        Add(Pages[page], TControlKind::TabSheet, "PageStats").Caption = Control("PageStats").Items[page];

    for (int mastery = 0; mastery < MasteryCount; ++mastery) {
        const std::string number = std::to_string(mastery + 1);
        Add("LblWeapon_" + number, TControlKind::Label, "TabWeapons").Caption = MasteryNames[mastery];
        Add("Lbl_" + number, TControlKind::Label, "TabWeapons").Caption = MasteryLevelName(member.Mastery[mastery]);
    }

    for (int kind = 0; kind < AttackClassCount; ++kind) {
        const std::string number = std::to_string(kind + 1);
        Add("LblClass" + number, TControlKind::Label, "TabAttack").Caption = AttackClassCaptions[kind];
        auto& attack = Add("LblAttack" + number, TControlKind::Label, "TabAttack");
        attack.Caption = std::to_string(member.AttackMod[kind]);
        attack.FontColor = SignColor(member.AttackMod[kind]);
        auto& damage = Add("LblDamage" + number, TControlKind::Label, "TabAttack");
        damage.Caption = std::to_string(member.DamageMod[kind]);
        damage.FontColor = SignColor(member.DamageMod[kind]);
    }

    int shown = 0;
    for (const SkillEntry& skill : member.Skills) {
        if (skill.skill_name.empty() || shown == SkillsShown)
            continue;
        const std::string number = std::to_string(++shown);
        auto& name = Add("LblSkill" + number, TControlKind::Label, "TabSkills");
        name.Caption = skill.skill_name;
        name.Hint = SkillDescription(skill.skill_name);
        Add("LblSkillValue" + number, TControlKind::Label, "TabSkills").Caption = std::to_string(skill.skill_value);
        auto& gauge = Add("GaugeSkill" + number, TControlKind::Gauge, "TabSkills");
        gauge.Max = 24;
        gauge.Position = skill.skill_value;
    }

    for (int type = 1; type <= 8; ++type) {
        const std::string number = std::to_string(type);
        Add("LblResName" + number, TControlKind::Label, "TabResistances").Caption = ResistanceCaptions[type - 1];
        auto& value = Add("LblRes" + number, TControlKind::Label, "TabResistances");
        value.Caption = std::to_string(member.Resistances[type]) + "%";
        value.FontColor = SignColor(member.Resistances[type]);
    }

    Add("LblRace", TControlKind::Label, "TabClass").Caption = member.race_name;
    const bool builtIn = member.ClassId >= 1 && member.ClassId <= std::size(ClassNames);
    Add("LblClassName", TControlKind::Label, "TabClass").Caption = builtIn ? ClassNames[member.ClassId - 1] : className;
    Add("BtnClose", TControlKind::Button).Caption = "Close";
    Control("BtnClose").OnClick = [this](const std::string&) { ModalResult = mrOk; };
}
