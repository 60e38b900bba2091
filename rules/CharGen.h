// Character generation: the creation pages a new member is made on, and the
// pages of a level-up. The generator drives the creation dialog.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/CreateForm.h"
#include "data/SQLite.h"

class TPlayer;

// What the pointer resting on a skill's name shows: the built-in skill's text, or
// the adventure's description of its own skill.
std::string SkillDescription(const std::string& skillName);
// "Untrained" (0) to "Grand Master" (7).
const char* MasteryLevelName(int level);

class TCharGen {
public:
    explicit TCharGen(TPlayer& player);
    ~TCharGen();

    void Reset();
    // New-character mode: level 1, male, the gender page first.
    void PrepareNew();
    // Level-up mode: the next level, the ability page first.
    void PrepareLevelUp();
    // Shows the dialog; a member reaching level 18 or beyond gets no dialog. A
    // level-up always applies, however the dialog was left.
    void Run();

    int Step = 0;
    TPlayer& Player;
    int ClassId = 0;
    std::array<bool, 16> WeaponRaised{};
    std::array<int, 5> AbilityAdded{};
    std::array<int, 5> SkillAdded{};
    int AbilityPointsLeft = 0;
    int SkillPointsLeft = 0;
    int WeaponPointsLeft = 0;
    bool Finished = false;
    int AbilityBudget = 12;
    int SkillBudget = 7;
    // -1: from the class table (or the adventure's own class row).
    int WeaponBudget = -1;
    bool LevelUp = false;
    std::string RaceName;

    TFrmCreate Form;

private:
    void WireHandlers();
    void Next();
    void Previous();
    // IMPORT: the character comes whole from a character file.
    void Import();
    // "-MSG-text" in a message box, "-ERR-text" in an error box.
    void Notify(const std::string& report);
    void FillRaces();
    void FillClasses();
    void ShowAbilities();
    void ShowWeapons();
    void ShowSkills();
    void AssignClassSkills();
    void ChangeAbility(int ability, int step);
    void ChangeWeapon(int mastery, int step);
    void ChangeSkill(int skill, int step);
    // How many points an ability may gain in one run: the race's column + 4.
    int RaceAllowance(int ability) const;
    int WeaponPointsFor(int level) const;
    int UnspentWeaponPoints() const;
    const TStringHash* RaceRow() const;
    const TStringHash* CustomClassRow() const;
    void ApplyResults();

    TRecordSet Races;
    TRecordSet CustomClasses;
};

// Runs creation for a new player; false when the player gave up.
bool CreateCharacter(TPlayer& player);
