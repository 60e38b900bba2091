// A damage record: dice, a range or a list of amounts of one damage type, dealt at
// once or over time. Weapons, creatures, special uses and timed effects hold them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Damage types in the order of the resistances: physical, pierce, blunt, slash,
// fire, acid, cold, electric, poison.
constexpr int DamageTypeCount = 9;
enum TDamageType : uint8_t { dtPhysical, dtPierce, dtBlunt, dtSlash, dtFire, dtAcid, dtCold, dtElectric, dtPoison };

enum TDamageForm : uint8_t { dfDice = 0, dfRange = 1, dfList = 2 };

struct DamageRec {
    int32_t Id = 0;
    uint8_t Form = dfDice;
    int32_t Modifier = 0;
    int32_t DiceCount = 0;
    int32_t DieSize = 0;
    uint8_t DamageType = 1;
    std::vector<int32_t> Values;
    // 0 does nothing; > 0 with Trigger > 0 is damage over time; otherwise at once.
    int32_t Duration = -1;
    int32_t Trigger = -1;
};

// Reads a damage text ("2d6", "3-7", "2|4|8") into the record's form and numbers;
// unparsable numbers read as 0.
void ParseDamageText(const std::string& text, DamageRec& damage);

// One roll of the record's amount (without its modifier); none for an unknown form.
std::optional<int> RollDamageAmount(const DamageRec& damage);
