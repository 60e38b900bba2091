// The character file (.chr): a member written out by one adventure to be taken
// into another of the same campaign. A fixed 1596-byte layout, then the
// natural damage's values; the whole file passes through the character cipher.
//
// The layout keeps endurance, mana and the attack, damage and armour values in
// single bytes. The parts above the low byte travel in reserved bytes, zero in
// files that do not carry them, so such files read by the layout alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr int32_t CharacterFileVersion = 160;
constexpr size_t CharacterFileFixedSize = 1596;
constexpr size_t CharacterNameSize = 40;
constexpr size_t CharacterRaceSize = 20;
constexpr size_t CharacterSkillCount = 20;
constexpr size_t CharacterSkillNameSize = 30;
constexpr size_t CharacterSkillScriptSize = 19;

struct TCharacterSkill {
    std::string Name;
    int32_t Value = 0;
    std::string Script;
    bool operator==(const TCharacterSkill&) const = default;
};

struct TCharacterDamage {
    int32_t Id = 0;
    uint8_t Form = 0;
    int32_t Modifier = 0;
    int32_t DiceCount = 0;
    int32_t DieSize = 0;
    uint8_t DamageType = 0;
    int32_t Duration = -1;
    int32_t Trigger = -1;
    std::vector<int32_t> Values;
    bool operator==(const TCharacterDamage&) const = default;
};

struct TCharacterFile {
    int32_t Version = CharacterFileVersion;
    int32_t Stamp = 0;
    std::string Name;
    std::string Race;
    int32_t EnduranceMax = 0;
    int32_t Endurance = 0;
    int32_t ManaMax = 0;
    int32_t Mana = 0;
    uint8_t ClassId = 0;
    uint8_t Level = 0;
    int32_t NextLevel = 0;
    int32_t Experience = 0;
    std::array<int32_t, 5> Abilities{};
    std::array<int32_t, 9> Resistances{};
    std::array<uint8_t, 16> Mastery{};
    // At most CharacterSkillCount.
    std::vector<TCharacterSkill> Skills;
    uint8_t AttackRoll = 0;
    uint8_t Delay = 0;
    std::array<int32_t, 4> AttackMod{};
    std::array<int32_t, 4> DamageMod{};
    std::array<int32_t, 4> Armor{};
    TCharacterDamage NaturalDamage;
    bool operator==(const TCharacterFile&) const = default;
};

// The enciphered bytes of the file. A text longer than its field is cut, never
// inside a UTF-8 character; the caller refuses what must not be cut.
std::vector<uint8_t> EncodeCharacterFile(const TCharacterFile& character);
// Reads enciphered bytes; nullopt with why set when they are not a character
// file of this layout (wrong size or version, texts longer than their fields, a
// level outside 1..18).
std::optional<TCharacterFile> DecodeCharacterFile(std::vector<uint8_t> bytes, std::string& why);

// The file at path, read whole; nullopt with why set when it cannot be read or
// is no character file.
std::optional<TCharacterFile> ReadCharacterFile(const std::string& path, std::string& why);
// Writes the file whole or not at all: a failure (why says so) leaves an older
// file of that name as it was.
bool WriteCharacterFile(const std::string& path, const TCharacterFile& character, std::string& why);

// A file name for the character's name: the name itself when it is safe as one
// ("Aldric.chr"), otherwise the name with every unsafe character replaced, cut
// to its field, or "Character" when nothing is left.
std::string CharacterFileName(const std::string& name);
