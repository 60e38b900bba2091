// The character creation dialog: a page for each step, NEXT and PREVIOUS (or
// CANCEL), and IMPORT. The generator drives it.
#pragma once

#include <array>

#include "platform/FormModel.h"

// The pages in the order of the steps.
inline constexpr std::array<const char*, 7> CreatePages = {
    "PageGender", "PageRace", "PageClass", "PageAbilities", "PageWeapons", "PageSkills", "PageName",
};
// The ability spins, in ability order; each has an Up and a Down button.
inline constexpr std::array<const char*, 5> AbilitySpins = {"SpinStr", "SpinDex", "SpinMind", "SpinFaith", "SpinConst"};
// Beside each ability spin: the highest value the race allows in this run.
inline constexpr std::array<const char*, 5> AbilityLimits = {"LblStrMax", "LblDexMax", "LblMindMax", "LblFaithMax",
                                                             "LblConstMax"};
// The weapon-mastery spins, in mastery order.
inline constexpr std::array<const char*, 16> WeaponSpins = {
    "SpinAxe",   "SpinBow",    "SpinClub",  "SpinCrossbow", "SpinDagger", "SpinDarts", "SpinFlail", "SpinGreatSword",
    "SpinHammer", "SpinLongsword", "SpinMace", "SpinShortSword", "SpinSling", "SpinSpear", "SpinStaff", "Spin2hAxe",
};
constexpr int RaceButtonCount = 14;
constexpr int BuiltInClassCount = 10;
constexpr int CustomClassButtonCount = 10;

class TFrmCreate : public TFormModel {
public:
    TFrmCreate();

    // Shows one page and hides the others.
    void ShowPage(int page);
};
