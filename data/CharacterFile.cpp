#include "data/CharacterFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "data/Cipher.h"
#include "data/LittleEndian.h"
#include "data/Utf8Text.h"

namespace {

// Where the parts lie in the file; the record's fields from RecordAt.
constexpr size_t VersionAt = 0;
constexpr size_t StampAt = 4;
constexpr size_t RecordAt = 8;
constexpr size_t DamageAt = 1556;
constexpr size_t ValueCountAt = 1592;

constexpr size_t NameAt = 4;
constexpr size_t RaceAt = 45;
constexpr size_t EnduranceMaxAt = 99;
constexpr size_t EnduranceAt = 100;
constexpr size_t ManaMaxAt = 101;
constexpr size_t ManaAt = 102;
// Reserved: the four values above their low bytes, one int32 each.
constexpr size_t ResourceHighAt = 103;
constexpr size_t ClassAt = 224;
constexpr size_t LevelAt = 225;
constexpr size_t NextLevelAt = 228;
constexpr size_t ExperienceAt = 232;
constexpr size_t AbilitiesAt = 236;
constexpr size_t ResistancesAt = 256;
constexpr size_t MasteryAt = 336;
constexpr size_t SkillsAt = 364;
constexpr size_t SkillSize = 56;
constexpr size_t SkillValueAt = 32;
constexpr size_t SkillScriptAt = 36;
constexpr size_t AttackRollAt = 1484;
constexpr size_t DelayAt = 1485;
constexpr size_t AttackModAt = 1486;
constexpr size_t DamageModAt = 1490;
constexpr size_t ArmorAt = 1494;
// Reserved: the twelve attack, damage and armour values above their low bytes.
constexpr size_t BonusHighAt = 1498;

// Inside the natural damage block.
constexpr size_t DamageFormAt = 4;
constexpr size_t DamageModifierAt = 8;
constexpr size_t DiceCountAt = 12;
constexpr size_t DieSizeAt = 16;
constexpr size_t DamageTypeAt = 20;
constexpr size_t DurationAt = 28;
constexpr size_t TriggerAt = 32;

// Bounds a damaged file cannot pass.
constexpr int MaxLevel = 18;
constexpr size_t MaxDamageValues = 4096;
constexpr uintmax_t MaxFileSize = CharacterFileFixedSize + 4 * MaxDamageValues;

class TWriter {
public:
    explicit TWriter(std::vector<uint8_t>& bytes) : Bytes(bytes) {}

    void Int(size_t at, int32_t value) { PutInt32(&Bytes[at], value); }
    void Byte(size_t at, int32_t value) { Bytes[at] = static_cast<uint8_t>(value); }
    // A length byte and the text, cut to size bytes.
    void Text(size_t at, const std::string& text, size_t size)
    {
        const std::string cut = FirstBytes(text, size);
        Bytes[at] = static_cast<uint8_t>(cut.size());
        std::copy(cut.begin(), cut.end(), Bytes.begin() + static_cast<std::ptrdiff_t>(at + 1));
    }
    // The low byte in the layout's field, the rest in a reserved int32.
    void Split(size_t lowAt, size_t highAt, int32_t value)
    {
        Byte(lowAt, value);
        Int(highAt, value >> 8);
    }

private:
    std::vector<uint8_t>& Bytes;
};

class TReader {
public:
    explicit TReader(const std::vector<uint8_t>& bytes) : Bytes(bytes) {}

    int32_t Int(size_t at) const { return GetInt32(&Bytes[at]); }
    uint8_t Byte(size_t at) const { return Bytes[at]; }
    // False when the length byte is longer than the field.
    bool Text(size_t at, size_t size, std::string& text) const
    {
        const size_t length = Bytes[at];
        if (length > size)
            return false;
        text.assign(Bytes.begin() + static_cast<std::ptrdiff_t>(at + 1),
                    Bytes.begin() + static_cast<std::ptrdiff_t>(at + 1 + length));
        return true;
    }
    int32_t Split(size_t lowAt, size_t highAt) const
    {
        return static_cast<int32_t>(static_cast<uint32_t>(Int(highAt)) << 8 | Byte(lowAt));
    }

private:
    const std::vector<uint8_t>& Bytes;
};

} // namespace

std::vector<uint8_t> EncodeCharacterFile(const TCharacterFile& character)
{
    const TCharacterDamage& damage = character.NaturalDamage;
    std::vector<uint8_t> bytes(CharacterFileFixedSize + 4 * damage.Values.size(), 0);
    TWriter file(bytes);
    file.Int(VersionAt, character.Version);
    file.Int(StampAt, character.Stamp);

    const size_t record = RecordAt;
    file.Text(record + NameAt, character.Name, CharacterNameSize);
    file.Text(record + RaceAt, character.Race, CharacterRaceSize);
    file.Split(record + EnduranceMaxAt, record + ResourceHighAt, character.EnduranceMax);
    file.Split(record + EnduranceAt, record + ResourceHighAt + 4, character.Endurance);
    file.Split(record + ManaMaxAt, record + ResourceHighAt + 8, character.ManaMax);
    file.Split(record + ManaAt, record + ResourceHighAt + 12, character.Mana);
    file.Byte(record + ClassAt, character.ClassId);
    file.Byte(record + LevelAt, character.Level);
    file.Int(record + NextLevelAt, character.NextLevel);
    file.Int(record + ExperienceAt, character.Experience);
    for (size_t ability = 0; ability < character.Abilities.size(); ++ability)
        file.Int(record + AbilitiesAt + 4 * ability, character.Abilities[ability]);
    for (size_t resistance = 0; resistance < character.Resistances.size(); ++resistance)
        file.Int(record + ResistancesAt + 4 * resistance, character.Resistances[resistance]);
    for (size_t mastery = 0; mastery < character.Mastery.size(); ++mastery)
        file.Byte(record + MasteryAt + mastery, character.Mastery[mastery]);
    for (size_t skill = 0; skill < std::min(character.Skills.size(), CharacterSkillCount); ++skill) {
        const size_t at = record + SkillsAt + SkillSize * skill;
        file.Text(at, character.Skills[skill].Name, CharacterSkillNameSize);
        file.Int(at + SkillValueAt, character.Skills[skill].Value);
        file.Text(at + SkillScriptAt, character.Skills[skill].Script, CharacterSkillScriptSize);
    }
    file.Byte(record + AttackRollAt, character.AttackRoll);
    file.Byte(record + DelayAt, character.Delay);
    size_t high = record + BonusHighAt;
    for (const auto& [values, at] : {std::pair{&character.AttackMod, AttackModAt}, std::pair{&character.DamageMod, DamageModAt},
                                     std::pair{&character.Armor, ArmorAt}})
        for (size_t index = 0; index < values->size(); ++index, high += 4)
            file.Split(record + at + index, high, (*values)[index]);

    file.Int(DamageAt, damage.Id);
    file.Byte(DamageAt + DamageFormAt, damage.Form);
    file.Int(DamageAt + DamageModifierAt, damage.Modifier);
    file.Int(DamageAt + DiceCountAt, damage.DiceCount);
    file.Int(DamageAt + DieSizeAt, damage.DieSize);
    file.Byte(DamageAt + DamageTypeAt, damage.DamageType);
    file.Int(DamageAt + DurationAt, damage.Duration);
    file.Int(DamageAt + TriggerAt, damage.Trigger);
    file.Int(ValueCountAt, static_cast<int32_t>(damage.Values.size()));
    for (size_t value = 0; value < damage.Values.size(); ++value)
        file.Int(CharacterFileFixedSize + 4 * value, damage.Values[value]);
    CharacterFileCipher(bytes);
    return bytes;
}

std::optional<TCharacterFile> DecodeCharacterFile(std::vector<uint8_t> bytes, std::string& why)
{
    CharacterFileCipher(bytes);
    const TReader file(bytes);
    if (bytes.size() < CharacterFileFixedSize) {
        why = "The file is too short to be a character file.";
        return std::nullopt;
    }
    TCharacterFile character;
    character.Version = file.Int(VersionAt);
    if (character.Version != CharacterFileVersion) {
        why = "The file is not a character file of this engine, or it is damaged.";
        return std::nullopt;
    }
    const int32_t count = file.Int(ValueCountAt);
    if (count < 0 || static_cast<size_t>(count) > MaxDamageValues ||
        bytes.size() != CharacterFileFixedSize + 4 * static_cast<size_t>(count)) {
        why = "The character file is damaged: its size does not match its contents.";
        return std::nullopt;
    }
    why = "The character file is damaged.";
    const size_t record = RecordAt;
    character.Stamp = file.Int(StampAt);
    if (!file.Text(record + NameAt, CharacterNameSize, character.Name) ||
        !file.Text(record + RaceAt, CharacterRaceSize, character.Race))
        return std::nullopt;
    character.EnduranceMax = file.Split(record + EnduranceMaxAt, record + ResourceHighAt);
    character.Endurance = file.Split(record + EnduranceAt, record + ResourceHighAt + 4);
    character.ManaMax = file.Split(record + ManaMaxAt, record + ResourceHighAt + 8);
    character.Mana = file.Split(record + ManaAt, record + ResourceHighAt + 12);
    character.ClassId = file.Byte(record + ClassAt);
    character.Level = file.Byte(record + LevelAt);
    if (character.Level < 1 || character.Level > MaxLevel)
        return std::nullopt;
    character.NextLevel = file.Int(record + NextLevelAt);
    character.Experience = file.Int(record + ExperienceAt);
    for (size_t ability = 0; ability < character.Abilities.size(); ++ability)
        character.Abilities[ability] = file.Int(record + AbilitiesAt + 4 * ability);
    for (size_t resistance = 0; resistance < character.Resistances.size(); ++resistance)
        character.Resistances[resistance] = file.Int(record + ResistancesAt + 4 * resistance);
    for (size_t mastery = 0; mastery < character.Mastery.size(); ++mastery)
        character.Mastery[mastery] = file.Byte(record + MasteryAt + mastery);
    character.Skills.resize(CharacterSkillCount);
    for (size_t skill = 0; skill < CharacterSkillCount; ++skill) {
        const size_t at = record + SkillsAt + SkillSize * skill;
        TCharacterSkill& entry = character.Skills[skill];
        entry.Value = file.Int(at + SkillValueAt);
        if (!file.Text(at, CharacterSkillNameSize, entry.Name) ||
            !file.Text(at + SkillScriptAt, CharacterSkillScriptSize, entry.Script))
            return std::nullopt;
    }
    character.AttackRoll = file.Byte(record + AttackRollAt);
    character.Delay = file.Byte(record + DelayAt);
    size_t high = record + BonusHighAt;
    for (const auto& [values, at] : {std::pair{&character.AttackMod, AttackModAt},
                                     std::pair{&character.DamageMod, DamageModAt}, std::pair{&character.Armor, ArmorAt}})
        for (size_t index = 0; index < values->size(); ++index, high += 4)
            (*values)[index] = file.Split(record + at + index, high);

    TCharacterDamage& damage = character.NaturalDamage;
    damage.Id = file.Int(DamageAt);
    damage.Form = file.Byte(DamageAt + DamageFormAt);
    damage.Modifier = file.Int(DamageAt + DamageModifierAt);
    damage.DiceCount = file.Int(DamageAt + DiceCountAt);
    damage.DieSize = file.Int(DamageAt + DieSizeAt);
    damage.DamageType = file.Byte(DamageAt + DamageTypeAt);
    damage.Duration = file.Int(DamageAt + DurationAt);
    damage.Trigger = file.Int(DamageAt + TriggerAt);
    for (int32_t value = 0; value < count; ++value)
        damage.Values.push_back(file.Int(CharacterFileFixedSize + 4 * static_cast<size_t>(value)));
    why.clear();
    return character;
}

std::optional<TCharacterFile> ReadCharacterFile(const std::string& path, std::string& why)
{
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        why = "The file cannot be read: " + error.message() + ".";
        return std::nullopt;
    }
    if (size > MaxFileSize) {
        why = "The file is too large to be a character file.";
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes(size);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        why = "The file cannot be read.";
        return std::nullopt;
    }
    return DecodeCharacterFile(std::move(bytes), why);
}

bool WriteCharacterFile(const std::string& path, const TCharacterFile& character, std::string& why)
{
    namespace fs = std::filesystem;
    const std::vector<uint8_t> bytes = EncodeCharacterFile(character);
    const fs::path target(path);
    // Written beside the target under a hidden name, then renamed over it.
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".part");
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        why = std::string(std::strerror(errno)) + ".";
        return false;
    }
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            break;
        written += static_cast<size_t>(result);
    }
    bool whole = written == bytes.size() && ::fsync(descriptor) == 0;
    int failure = errno;
    if (::close(descriptor) != 0 && whole) {
        whole = false;
        failure = errno;
    }
    std::error_code error;
    if (whole)
        fs::rename(temporary, target, error);
    if (!whole || error) {
        why = error ? error.message() + "." : std::string(std::strerror(failure)) + ".";
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

std::string CharacterFileName(const std::string& name)
{
    std::string safe = AsUtf8(name);
    for (char& c : safe)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '_';
    // No hidden file, and never a name that walks up a folder.
    if (!safe.empty() && safe[0] == '.')
        safe[0] = '_';
    safe = FirstBytes(safe, CharacterNameSize);
    if (safe.find_first_not_of("_ ") == std::string::npos)
        safe = "Character";
    return safe + ".chr";
}
