#include "rules/CharGen.h"

#include <algorithm>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/Utf8Text.h"
#include "platform/Host.h"
#include "rules/ClassTables.h"
#include "rules/Creature.h"
#include "rules/SkillChange.h"
#include "rules/Skills.h"
#include "session/Process.h"

namespace {

constexpr int Amazon = 7;

// Weapon-mastery points per level, by group of classes.
const int WarriorPoints[18] = {0, 3, 0, 5, 0, 4, 0, 0, 5, 0, 4, 0, 4, 0, 4, 1, 2, 4};
const int CasterPoints[18] = {0, 1, 0, 3, 0, 0, 2, 0, 0, 2, 0, 1, 0, 0, 2, 0, 0, 1};
const int ThiefPoints[18] = {0, 1, 0, 4, 0, 3, 0, 0, 5, 0, 4, 0, 0, 1, 0, 0, 2, 0};
const int PiratePoints[18] = {1, 0, 0, 4, 0, 0, 5, 0, 4, 0, 3, 0, 4, 0, 4, 2, 3, 0};
const int TormentorPoints[18] = {1, 0, 4, 0, 3, 0, 0, 4, 0, 3, 0, 3, 0, 0, 4, 0, 3, 0};
const int BattlePoints[18] = {0, 1, 0, 3, 0, 3, 0, 0, 4, 0, 2, 0, 2, 0, 1, 0, 2, 0};
const int CultistPoints[18] = {0, 1, 0, 2, 0, 0, 2, 0, 1, 0, 0, 1, 0, 0, 2, 0, 0, 0};
const int* const ClassPoints[10] = {WarriorPoints, CasterPoints, CasterPoints, ThiefPoints, PiratePoints,
                                    TormentorPoints, WarriorPoints, BattlePoints, BattlePoints, CultistPoints};

// Starting mana and endurance of the built-in classes.
const int StartingMana[10] = {0, 8, 8, 0, 0, 0, 0, 5, 5, 8};
const int StartingEndurance[10] = {11, 6, 6, 10, 14, 16, 11, 9, 9, 7};
const int LevelUpMana[10] = {0, 9, 9, 0, 0, 0, 0, 4, 4, 10};

const char* const MasteryLevels[8] = {"Untrained", "Apprentice", "Adept",       "Expert",
                                      "Proficient", "Master",    "High Master", "Grand Master"};

const char* const AbilityColumns[5] = {"ab_str", "ab_dex", "ab_mind", "ab_faith", "ab_const"};
const char* const WeaponColumns[16] = {
    "weapon_axe",      "weapon_bow",      "weapon_club",   "weapon_crossbow",          "weapon_dagger",
    "weapon_darts",    "weapon_flail",    "weapon_great_sword", "weapon_hammer",       "weapon_longsword",
    "weapon_mace_morning_star", "weapon_short_sword", "weapon_sling", "weapon_spear", "weapon_staff",
    "weapon_two_handed_axe"};
const char* const ResistanceColumns[9] = {"res_physical", "res_pierce", "res_blunt", "res_slash", "res_fire",
                                          "res_acid",     "res_cold",   "res_electric", "res_poison"};

int LevelIndex(int level)
{
    return std::clamp(level, 1, 18) - 1;
}

TRecordSet Query(const std::string& statement)
{
    TSQLite3* db = Process().SessionDb.get();
    return db ? db->Query(statement) : TRecordSet();
}

int Column(const TStringHash* row, const std::string& column)
{
    return row && row->Exists(column) ? StrToIntDef(row->GetItem(column), 0) : 0;
}

} // namespace

std::string SkillDescription(const std::string& skillName)
{
    if (const int index = BuiltInSkillIndex(skillName); index >= 0)
        return BuiltInSkills[index].Description;
    std::string description;
    for (const auto& row : Query("select description from skills where name = " + SqlQuote(skillName)))
        description = row->GetItem("description");
    return description;
}

const char* MasteryLevelName(int level)
{
    return MasteryLevels[std::clamp(level, 0, 7)];
}


TCharGen::TCharGen(TPlayer& player) : Player(player)
{
    Reset();
    WireHandlers();
}

TCharGen::~TCharGen() = default;

void TCharGen::Reset()
{
    WeaponRaised.fill(false);
    AbilityAdded.fill(0);
    SkillAdded.fill(0);
    Finished = false;
    AbilityBudget = 12;
    SkillBudget = 7;
    WeaponBudget = -1;
    AbilityPointsLeft = AbilityBudget;
    SkillPointsLeft = SkillBudget;
    WeaponPointsLeft = 0;
}

void TCharGen::PrepareNew()
{
    LevelUp = false;
    Player.level += 1;
    Player.next_level = ExperienceTable[LevelIndex(Player.level)];
    Player.male = true;
    Step = 0;
    Form.ShowPage(0);
    Form.Control("BtnPrevious").Caption = "CANCEL";
    Races = Query("select * from races");
    CustomClasses = Query("select * from classes where allowed = 1");
}

void TCharGen::PrepareLevelUp()
{
    LevelUp = true;
    ClassId = Player.ClassId;
    RaceName = Player.race_name;
    Player.level += 1;
    Player.next_level = ExperienceTable[LevelIndex(Player.level)];
    Races = Query("select * from races");
    CustomClasses = Query("select * from classes where allowed = 1");
    WeaponPointsLeft = UnspentWeaponPoints();
    Form.Caption = "Level Up *" + Player.Name + "*";
    Form.Control("BtnImport").Visible = false;
    Form.Control("BtnPrevious").Caption = "<< PREVIOUS";
    Form.Control("BtnPrevious").Enabled = false;
    Step = 3;
    ShowAbilities();
    Form.ShowPage(3);
}

void TCharGen::Run()
{
    if (Player.level >= 18 && LevelUp) {
        Player.level = 18;
        Player.next_level = 2147483647;
        return;
    }
    Host().ShowModal(Form);
    // A level-up closed by the window's button still happens, as FINISH would
    // have it; the points not spent are lost.
    if (LevelUp && !Finished)
        ApplyResults();
}

void TCharGen::Notify(const std::string& report)
{
    const bool error = report.rfind("-ERR-", 0) == 0;
    const std::string text = report.size() > 5 ? report.substr(5) : report;
    Host().MessageDlg(text, error ? TMsgDlgType::Error : TMsgDlgType::Information, mbOK);
}

const TStringHash* TCharGen::RaceRow() const
{
    for (const auto& row : Races)
        if (row->GetItem("name") == RaceName)
            return row.get();
    return nullptr;
}

const TStringHash* TCharGen::CustomClassRow() const
{
    const int position = ClassId - 21;
    return position >= 0 && position < static_cast<int>(CustomClasses.size()) ? CustomClasses[position].get() : nullptr;
}

int TCharGen::RaceAllowance(int ability) const
{
    return Column(RaceRow(), AbilityColumns[ability]) + 4;
}

int TCharGen::WeaponPointsFor(int level) const
{
    if (ClassId >= 1 && ClassId <= 10)
        return ClassPoints[ClassId - 1][LevelIndex(level)];
    return Column(CustomClassRow(), "wep_" + std::to_string(LevelIndex(level) + 1));
}

// The points are a budget for the whole run: raises kept from an earlier visit
// of the page have spent theirs.
int TCharGen::UnspentWeaponPoints() const
{
    const int budget = WeaponBudget >= 0 ? WeaponBudget : WeaponPointsFor(Player.level);
    return budget - static_cast<int>(std::count(WeaponRaised.begin(), WeaponRaised.end(), true));
}

void TCharGen::WireHandlers()
{
    Form.Control("BtnNext").OnClick = [this](const std::string&) { Next(); };
    Form.Control("BtnPrevious").OnClick = [this](const std::string&) { Previous(); };
    Form.Control("BtnImport").OnClick = [this](const std::string&) { Import(); };
    for (int race = 0; race < RaceButtonCount; ++race)
        Form.Control("RadioRace" + std::to_string(race)).OnClick = [this](const std::string& sender) {
            RaceName = Form.Control(sender).Caption;
            const TStringHash* row = RaceRow();
            Form.Control("MemoRace").Text = row ? row->GetItem("description") : std::string();
        };
    for (int custom = 1; custom <= CustomClassButtonCount; ++custom)
        Form.Control("RadioCustomClass" + std::to_string(custom)).OnClick = [this, custom](const std::string&) {
            Form.Control("MemoClass").Text = CustomClasses[custom - 1]->GetItem("description");
        };
    for (int ability = 0; ability < AbilityCount; ++ability) {
        Form.Control(std::string(AbilitySpins[ability]) + "Up").OnClick = [this, ability](const std::string&) {
            ChangeAbility(ability, +1);
        };
        Form.Control(std::string(AbilitySpins[ability]) + "Down").OnClick = [this, ability](const std::string&) {
            ChangeAbility(ability, -1);
        };
    }
    for (int mastery = 0; mastery < MasteryCount; ++mastery) {
        Form.Control(std::string(WeaponSpins[mastery]) + "Up").OnClick = [this, mastery](const std::string&) {
            ChangeWeapon(mastery, +1);
        };
        Form.Control(std::string(WeaponSpins[mastery]) + "Down").OnClick = [this, mastery](const std::string&) {
            ChangeWeapon(mastery, -1);
        };
    }
    for (int skill = 0; skill < 5; ++skill) {
        const std::string name = "BtnSkill_" + std::to_string(skill + 1);
        Form.Control(name + "Up").OnClick = [this, skill](const std::string&) { ChangeSkill(skill, +1); };
        Form.Control(name + "Down").OnClick = [this, skill](const std::string&) { ChangeSkill(skill, -1); };
        Form.Control(name).OnMouseEnter = [this, skill](const std::string&) {
            const std::string skillName = skill < static_cast<int>(Player.Skills.size()) ? Player.Skills[skill].skill_name : "";
            const std::string description = SkillDescription(skillName);
            Form.Control("LblSkillInfo").Caption = description.empty() ? skillName : description;
        };
    }
}

void TCharGen::FillRaces()
{
    for (int race = 0; race < RaceButtonCount; ++race) {
        TControlState& button = Form.Control("RadioRace" + std::to_string(race));
        button.Visible = race < static_cast<int>(Races.size());
        button.Checked = false;
        if (button.Visible)
            button.Caption = Races[race]->GetItem("name");
    }
    if (!Races.empty()) {
        Form.Control("RadioRace0").Checked = true;
        RaceName = Races[0]->GetItem("name");
        Form.Control("MemoRace").Text = Races[0]->GetItem("description");
    }
}

void TCharGen::FillClasses()
{
    const TDataManager* data = Process().MainForm ? Process().MainForm->DataManager.get() : nullptr;
    std::string first;
    for (int id = 1; id <= BuiltInClassCount; ++id) {
        TControlState& button = Form.Control("RadioClass" + std::to_string(id));
        button.Caption = ClassNames[id - 1];
        button.Visible = data && data->DefaultClasses.count(id);
        button.Enabled = !(id == Amazon && Player.male);
        button.Checked = false;
        if (first.empty() && button.Visible && button.Enabled)
            first = button.Name;
    }
    for (int custom = 1; custom <= CustomClassButtonCount; ++custom) {
        TControlState& button = Form.Control("RadioCustomClass" + std::to_string(custom));
        button.Visible = custom <= static_cast<int>(CustomClasses.size());
        button.Checked = false;
        if (!button.Visible)
            continue;
        const TStringHash& row = *CustomClasses[custom - 1];
        button.Caption = row.GetItem("name");
        button.Enabled = row.GetItem("allowed_races").find("|" + RaceName + "|") != std::string::npos;
        if (first.empty() && button.Enabled)
            first = button.Name;
    }
    if (!first.empty())
        Form.Click(first);
}

void TCharGen::ShowAbilities()
{
    for (int ability = 0; ability < AbilityCount; ++ability) {
        Form.Control(AbilitySpins[ability]).Position = Player.Abilities[ability] + AbilityAdded[ability];
        const int highest = Player.Abilities[ability] + RaceAllowance(ability);
        Form.Control(AbilityLimits[ability]).Caption = "up to " + std::to_string(highest);
    }
    Form.Control("LblAbilityPoints").Caption = "Points Remaining " + std::to_string(AbilityPointsLeft);
}

void TCharGen::ShowWeapons()
{
    for (int mastery = 0; mastery < MasteryCount; ++mastery) {
        const int level = Player.Mastery[mastery] + (WeaponRaised[mastery] ? 1 : 0);
        Form.Control(WeaponSpins[mastery]).Position = level;
        TControlState& label = Form.Control("Lbl_WM_" + std::to_string(mastery + 1));
        label.Caption = MasteryLevelName(level);
        label.FontColor = WeaponRaised[mastery] ? clBlue : clBlack;
    }
    Form.Control("LblWeaponPoints").Caption = "Points Remaining " + std::to_string(WeaponPointsLeft);
}

void TCharGen::ShowSkills()
{
    for (int skill = 0; skill < 5; ++skill) {
        const bool present = skill < static_cast<int>(Player.Skills.size());
        const std::string name = present ? Player.Skills[skill].skill_name : std::string();
        const int value = present ? Player.Skills[skill].skill_value + SkillAdded[skill] : 0;
        TControlState& label = Form.Control("BtnSkill_" + std::to_string(skill + 1));
        label.Caption = name.empty() ? "" : name + " " + std::to_string(value);
        label.Hint = SkillDescription(name);
        Form.Control("GaugeSkill_" + std::to_string(skill + 1)).Position = value;
    }
    Form.Control("LblSkillPoints").Caption = "Points Remaining " + std::to_string(SkillPointsLeft);
}

void TCharGen::AssignClassSkills()
{
    Player.Skills = ClassSkillEntries(ClassId, CustomClassRow());
}

void TCharGen::ChangeAbility(int ability, int step)
{
    if (step > 0) {
        if (AbilityPointsLeft <= 0)
            return Notify("-MSG-No more ability points remaining.");
        if (AbilityAdded[ability] >= RaceAllowance(ability))
            return Notify("-MSG-You cannot raise this ability any more.");
        ++AbilityAdded[ability];
        --AbilityPointsLeft;
    } else if (AbilityAdded[ability] > 0) {
        --AbilityAdded[ability];
        ++AbilityPointsLeft;
    }
    ShowAbilities();
}

void TCharGen::ChangeWeapon(int mastery, int step)
{
    if (step > 0) {
        if (WeaponPointsLeft <= 0)
            return;
        if (WeaponRaised[mastery])
            return Notify("-MSG-You cannot raise a weapon mastery more than one point.");
        if (Column(RaceRow(), WeaponColumns[mastery]) < Player.Mastery[mastery] + 1)
            return Notify("-MSG-You cannot raise this weapon expertise any more due to race restrictions.");
        WeaponRaised[mastery] = true;
        --WeaponPointsLeft;
    } else if (WeaponRaised[mastery]) {
        WeaponRaised[mastery] = false;
        ++WeaponPointsLeft;
    }
    ShowWeapons();
}

void TCharGen::ChangeSkill(int skill, int step)
{
    if (skill >= static_cast<int>(Player.Skills.size()))
        return;
    if (step > 0) {
        if (SkillPointsLeft <= 0)
            return Notify("-MSG-No more skill points remaining");
        if (Player.Skills[skill].skill_name.empty() || Player.Skills[skill].skill_value + SkillAdded[skill] >= 24)
            return;
        ++SkillAdded[skill];
        --SkillPointsLeft;
    } else if (SkillAdded[skill] > 0) {
        --SkillAdded[skill];
        ++SkillPointsLeft;
    }
    ShowSkills();
}

void TCharGen::Next()
{
    switch (Step) {
    case 0:
        Player.male = Form.Control("RadioMale").Checked;
        Step = 1;
        FillRaces();
        Form.ShowPage(1);
        return;
    case 1:
        Step = 2;
        Form.ShowPage(2);
        FillClasses();
        return;
    case 2: {
        ClassId = 0;
        for (int id = 1; id <= BuiltInClassCount; ++id)
            if (Form.Control("RadioClass" + std::to_string(id)).Checked)
                ClassId = id;
        for (int custom = 1; custom <= CustomClassButtonCount; ++custom)
            if (Form.Control("RadioCustomClass" + std::to_string(custom)).Checked)
                ClassId = 20 + custom;
        if (ClassId == 0)
            return Notify("-MSG-You must select a class");
        Step = 3;
        ShowAbilities();
        Form.ShowPage(3);
        return;
    }
    case 3:
        Step = 4;
        WeaponPointsLeft = UnspentWeaponPoints();
        ShowWeapons();
        Form.ShowPage(4);
        Form.Control("BtnPrevious").Enabled = true;
        return;
    case 4:
        Step = 5;
        if (!LevelUp)
            AssignClassSkills();
        ShowSkills();
        Form.ShowPage(5);
        if (LevelUp)
            Form.Control("BtnNext").Caption = "FINISH";
        return;
    case 5:
        if (LevelUp) {
            Step = 7;
            ApplyResults();
            return;
        }
        Step = 6;
        Form.ShowPage(6);
        Form.Control("BtnNext").Caption = "FINISH";
        return;
    default: {
        // Twenty characters, not bytes: an accented letter is never cut in half.
        const std::string name = Trim(FirstCharacters(Trim(Form.Control("EditName").Text), 20));
        if (name.empty())
            return Notify("-MSG-Provide a name for this character");
        Player.Name = name;
        Step = 7;
        ApplyResults();
        return;
    }
    }
}

void TCharGen::Import()
{
    TDataManager* data = MainForm().DataManager.get();
    if (!data || !data->ImportCharacter(Player))
        return;
    if (Query("select name from races where name = " + SqlQuote(Player.race_name)).empty()) {
        Host().MessageDlg("Race :" + Player.race_name + " is not defined in this adventure. Cannot continue",
                          TMsgDlgType::Information, mbOK);
        Form.ModalResult = mrCancel;
        return;
    }
    Player.Gold = 20 + Process().Random.Random(30);
    // Cancelled, the box keeps the name it offered.
    std::string name;
    do {
        name = Player.Name;
        Host().InputQuery("Give a name", "Name:", name);
        name = Trim(name);
    } while (name.empty());
    Player.Name = name;
    Finished = true;
    Form.ModalResult = mrOk;
}

void TCharGen::Previous()
{
    if (!LevelUp) {
        Form.ModalResult = mrCancel;
        return;
    }
    if (Step == 5) {
        Step = 4;
        Form.ShowPage(4);
        Form.Control("BtnNext").Caption = "NEXT >>";
    } else if (Step == 4) {
        Step = 3;
        Form.ShowPage(3);
        Form.Control("BtnPrevious").Enabled = false;
    }
}

void TCharGen::ApplyResults()
{
    const bool builtIn = ClassId >= 1 && ClassId <= 10;
    const TStringHash* custom = CustomClassRow();
    if (LevelUp) {
        const int mana = builtIn ? LevelUpMana[ClassId - 1] : Column(custom, "dmana");
        Player.ChangeStat(siManaMax, mana);
        Player.ChangeStat(siMana, mana);
    } else {
        const int mana = builtIn ? StartingMana[ClassId - 1] : Column(custom, "starting_mana");
        const int endurance = builtIn ? StartingEndurance[ClassId - 1] : Column(custom, "starting_end");
        Player.ChangeStat(siManaMax, mana);
        Player.ChangeStat(siMana, mana);
        Player.ChangeStat(siEndMax, endurance);
        Player.ChangeStat(siEnd, endurance);
        Player.Gold = 20 + Process().Random.Random(30);
        Player.race_name = RaceName;
        Player.ClassId = static_cast<uint8_t>(ClassId);
        const TStringHash* race = RaceRow();
        for (int type = 0; type < DamageTypeCount; ++type)
            Player.Resistances[type] = Column(race, ResistanceColumns[type]);
        if (race) {
            ParseDamageText(race->GetItem("dmg"), Player.NaturalDamage);
            const int dtype = Column(race, "dtype_id");
            if (dtype >= 1 && dtype <= DamageTypeCount)
                Player.NaturalDamage.DamageType = static_cast<uint8_t>(dtype - 1);
            Player.NaturalDamage.Duration = race->Exists("duration") ? StrToIntDef(race->GetItem("duration"), -1) : -1;
            Player.NaturalDamage.Trigger = race->Exists("trigger") ? StrToIntDef(race->GetItem("trigger"), -1) : -1;
            Player.NaturalDamage.Modifier = 0;
        }
    }
    Player.attack_roll = AttackRollTable[LevelIndex(Player.level)];
    for (int mastery = 0; mastery < MasteryCount; ++mastery)
        if (WeaponRaised[mastery])
            ++Player.Mastery[mastery];
    for (int ability = 0; ability < AbilityCount; ++ability)
        if (AbilityAdded[ability] > 0)
            Player.ChangeStat(siStrength + ability, AbilityAdded[ability]);
    for (int skill = 0; skill < 5 && skill < static_cast<int>(Player.Skills.size()); ++skill) {
        const SkillEntry& entry = Player.Skills[skill];
        ApplySkillChange(Player, entry.skill_name, entry.skill_value + SkillAdded[skill]);
        // An adventure's skill script may have changed the list meanwhile.
        if (skill < static_cast<int>(Player.Skills.size()))
            Player.Skills[skill].skill_value += SkillAdded[skill];
    }
    Finished = true;
    Form.ModalResult = mrOk;
}

bool CreateCharacter(TPlayer& player)
{
    TCharGen generator(player);
    generator.PrepareNew();
    generator.Run();
    return generator.Finished;
}
