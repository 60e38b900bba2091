#include "app/CreateForm.h"

TFrmCreate::TFrmCreate() : TFormModel("FrmCreate", "Character Creation")
{
    for (const char* page : CreatePages)
        Add(page, TControlKind::Panel).Visible = false;

    Add("RadioMale", TControlKind::RadioButton, "PageGender").Caption = "Male";
    Add("RadioFemale", TControlKind::RadioButton, "PageGender").Caption = "Female";
    Control("RadioMale").Checked = true;

    for (int race = 0; race < RaceButtonCount; ++race)
        Add("RadioRace" + std::to_string(race), TControlKind::RadioButton, "PageRace").Visible = false;
    Add("MemoRace", TControlKind::Memo, "PageRace");

    // Built-in classes by their ids; the adventure's own after them.
    for (int id = 1; id <= BuiltInClassCount; ++id)
        Add("RadioClass" + std::to_string(id), TControlKind::RadioButton, "PageClass").Visible = false;
    for (int custom = 1; custom <= CustomClassButtonCount; ++custom)
        Add("RadioCustomClass" + std::to_string(custom), TControlKind::RadioButton, "PageClass").Visible = false;
    Add("MemoClass", TControlKind::Memo, "PageClass");

    auto addSpin = [this](const char* name, const char* page) {
        Add(name, TControlKind::SpinEdit, page);
        Add(std::string(name) + "Up", TControlKind::Button, page).Caption = "+";
        Add(std::string(name) + "Down", TControlKind::Button, page).Caption = "-";
    };
    for (size_t ability = 0; ability < AbilitySpins.size(); ++ability) {
        addSpin(AbilitySpins[ability], "PageAbilities");
        Add(AbilityLimits[ability], TControlKind::Label, "PageAbilities");
    }
    Add("LblAbilityPoints", TControlKind::Label, "PageAbilities");
    for (size_t mastery = 0; mastery < WeaponSpins.size(); ++mastery) {
        addSpin(WeaponSpins[mastery], "PageWeapons");
        Add("Lbl_WM_" + std::to_string(mastery + 1), TControlKind::Label, "PageWeapons");
    }
    Add("LblWeaponPoints", TControlKind::Label, "PageWeapons");
    for (int skill = 1; skill <= 5; ++skill) {
        const std::string name = "BtnSkill_" + std::to_string(skill);
        Add(name, TControlKind::Label, "PageSkills");
        Add(name + "Up", TControlKind::Button, "PageSkills").Caption = "+";
        Add(name + "Down", TControlKind::Button, "PageSkills").Caption = "-";
        Add("GaugeSkill_" + std::to_string(skill), TControlKind::Gauge, "PageSkills").Max = 24;
    }
    Add("LblSkillPoints", TControlKind::Label, "PageSkills");
    Add("LblSkillInfo", TControlKind::Label, "PageSkills");
    Add("EditName", TControlKind::Edit, "PageName");

    Add("BtnPrevious", TControlKind::Button).Caption = "CANCEL";
    Add("BtnNext", TControlKind::Button).Caption = "NEXT >>";
    Add("BtnImport", TControlKind::Button).Caption = "IMPORT...";
}

void TFrmCreate::ShowPage(int page)
{
    for (int index = 0; index < static_cast<int>(CreatePages.size()); ++index)
        Control(CreatePages[index]).Visible = index == page;
}
