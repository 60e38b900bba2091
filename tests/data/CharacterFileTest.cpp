#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/CharacterFile.h"
#include "data/Cipher.h"
#include "rules/Creature.h"
#include "support/SessionFixture.h"

namespace {

namespace fs = std::filesystem;

// The character file read by its published layout, independently of the engine's reader.
class TLayout {
public:
    explicit TLayout(std::vector<uint8_t> bytes) : Bytes(std::move(bytes)) { CharacterFileCipher(Bytes); }

    int32_t Int(size_t at) const
    {
        return static_cast<int32_t>(uint32_t(Bytes[at]) | uint32_t(Bytes[at + 1]) << 8 | uint32_t(Bytes[at + 2]) << 16 |
                                    uint32_t(Bytes[at + 3]) << 24);
    }
    int Byte(size_t at) const { return Bytes[at]; }
    // A length byte and the characters after it.
    std::string Text(size_t at) const
    {
        return std::string(Bytes.begin() + static_cast<long>(at) + 1, Bytes.begin() + static_cast<long>(at) + 1 + Bytes[at]);
    }
    // The record's field at offset at.
    int32_t RecordInt(size_t at) const { return Int(8 + at); }
    int RecordByte(size_t at) const { return Byte(8 + at); }
    std::string RecordText(size_t at) const { return Text(8 + at); }
    bool Zero(size_t from, size_t size) const
    {
        for (size_t at = from; at < from + size; ++at)
            if (Bytes[at])
                return false;
        return true;
    }

    std::vector<uint8_t> Bytes;
};

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A file as another writer makes it: the layout alone, every reserved byte zero.
std::vector<uint8_t> LayoutOnlyFile(int level, int enduranceMax, int32_t stamp)
{
    std::vector<uint8_t> bytes(1596 + 4, 0);
    auto put = [&bytes](size_t at, int32_t value) {
        for (int byte = 0; byte < 4; ++byte)
            bytes[at + byte] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * byte));
    };
    put(0, 160);
    put(4, stamp);
    const std::string name = "Ysolde";
    bytes[8 + 4] = static_cast<uint8_t>(name.size());
    std::copy(name.begin(), name.end(), bytes.begin() + 8 + 5);
    const std::string race = "Human";
    bytes[8 + 45] = static_cast<uint8_t>(race.size());
    std::copy(race.begin(), race.end(), bytes.begin() + 8 + 46);
    bytes[8 + 99] = static_cast<uint8_t>(enduranceMax);
    bytes[8 + 100] = static_cast<uint8_t>(enduranceMax);
    bytes[8 + 224] = 2;
    bytes[8 + 225] = static_cast<uint8_t>(level);
    bytes[8 + 1494] = 200;
    put(1592, 1);
    put(1596, 6);
    CharacterFileCipher(bytes);
    return bytes;
}

class CharacterFileTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure("insert into races (id, name) values (1, 'Human');");
        Data().Stamp = 31415;
    }

    // A level-5 wizard with values beyond a byte and a natural attack of her own.
    static void MakeMira(TPlayer& mira)
    {
        mira.Name = "Mira";
        mira.race_name = "Human";
        mira.Base.end_max = 300;
        mira.end = 290;
        mira.Base.mana_max = 260;
        mira.mana = 7;
        mira.ClassId = 2;
        mira.level = 5;
        mira.next_level = 26000;
        mira.experience = 17000;
        mira.Base.Abilities = {8, 9, 15, 10, 11};
        mira.Base.Resistances = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        for (int mastery = 0; mastery < MasteryCount; ++mastery)
            mira.Mastery[mastery] = static_cast<uint8_t>(mastery % 8);
        mira.Skills = {{"Read Languages/Symbols", 4, ""}, {"Arcane Knowledge", 12, "skill_lore.js"},
                       {"", 0, ""}, {"Stone Form", 1, ""}, {"Animal Control", 24, ""}};
        mira.attack_roll = 3;
        mira.delay = 6;
        mira.Base.AttackMod = {1, -2, 3, 4};
        mira.Base.DamageMod = {5, 6, 7, 8};
        mira.Base.Armor = {300, 0, 2, 1};
        mira.NaturalDamage.Id = 77;
        mira.NaturalDamage.Form = dfList;
        mira.NaturalDamage.Modifier = 2;
        mira.NaturalDamage.DiceCount = 1;
        mira.NaturalDamage.DieSize = 4;
        mira.NaturalDamage.DamageType = dtCold;
        mira.NaturalDamage.Values = {3, 5, 9};
        mira.NaturalDamage.Duration = 4;
        mira.NaturalDamage.Trigger = 2;
    }

    std::string Exported(const std::string& file) { return Data().ExportFolder() + "/" + file; }
};

} // namespace

TEST_F(CharacterFileTest, AnExportedFileFollowsTheLayoutFieldByField)
{
    TPlayer mira;
    MakeMira(mira);
    // Another member holds slot 1: the file carries Mira's own natural attack.
    Form().Party[0] = std::make_unique<TPlayer>();
    Form().Party[0]->NaturalDamage.Values = {1};
    std::string why;
    ASSERT_TRUE(Data().ExportCharacter(mira, why)) << why;

    const TLayout file(ReadBytes(Exported("Mira.chr")));
    ASSERT_EQ(file.Bytes.size(), 1596u + 3 * 4);
    EXPECT_EQ(file.Int(0), 160);
    EXPECT_EQ(file.Int(4), 31415);
    EXPECT_EQ(file.RecordInt(0), 0);
    EXPECT_EQ(file.RecordText(4), "Mira");
    EXPECT_EQ(file.RecordText(45), "Human");
    EXPECT_TRUE(file.Zero(8 + 66, 33));
    // The low bytes stand in the layout: 300 is 44 there, 290 is 34, 260 is 4.
    EXPECT_EQ(file.RecordByte(99), 44);
    EXPECT_EQ(file.RecordByte(100), 34);
    EXPECT_EQ(file.RecordByte(101), 4);
    EXPECT_EQ(file.RecordByte(102), 7);
    // ... and the rest in the reserved bytes after them.
    EXPECT_EQ(file.RecordInt(103), 1);
    EXPECT_EQ(file.RecordInt(107), 1);
    EXPECT_EQ(file.RecordInt(111), 1);
    EXPECT_EQ(file.RecordInt(115), 0);
    EXPECT_TRUE(file.Zero(8 + 119, 224 - 119));
    EXPECT_EQ(file.RecordByte(224), 2);
    EXPECT_EQ(file.RecordByte(225), 5);
    EXPECT_TRUE(file.Zero(8 + 226, 2));
    EXPECT_EQ(file.RecordInt(228), 26000);
    EXPECT_EQ(file.RecordInt(232), 17000);
    for (int ability = 0; ability < 5; ++ability)
        EXPECT_EQ(file.RecordInt(236 + 4 * ability), mira.Base.Abilities[ability]);
    for (int resistance = 0; resistance < 9; ++resistance)
        EXPECT_EQ(file.RecordInt(256 + 4 * resistance), resistance + 1);
    EXPECT_TRUE(file.Zero(8 + 292, 44));
    for (int mastery = 0; mastery < 16; ++mastery)
        EXPECT_EQ(file.RecordByte(336 + mastery), mastery % 8);
    EXPECT_TRUE(file.Zero(8 + 352, 12));
    for (size_t skill = 0; skill < 20; ++skill) {
        const size_t at = 364 + 56 * skill;
        if (skill >= mira.Skills.size()) {
            EXPECT_TRUE(file.Zero(8 + at, 56)) << skill;
            continue;
        }
        EXPECT_EQ(file.RecordText(at), mira.Skills[skill].skill_name);
        EXPECT_EQ(file.RecordByte(at + 31), 0);
        EXPECT_EQ(file.RecordInt(at + 32), mira.Skills[skill].skill_value);
        EXPECT_EQ(file.RecordText(at + 36), mira.Skills[skill].skill_script);
    }
    EXPECT_EQ(file.RecordByte(1484), 3);
    EXPECT_EQ(file.RecordByte(1485), 6);
    const int bytes[12] = {1, 0xFE, 3, 4, 5, 6, 7, 8, 44, 0, 2, 1};
    for (int at = 0; at < 12; ++at)
        EXPECT_EQ(file.RecordByte(1486 + at), bytes[at]) << at;
    // The twelve values above their bytes: -2 and 300 need more.
    EXPECT_EQ(file.RecordInt(1498 + 4), -1);
    EXPECT_EQ(file.RecordInt(1498 + 4 * 8), 1);
    EXPECT_TRUE(file.Zero(8 + 1546, 2));

    EXPECT_EQ(file.Int(1556), 77);
    EXPECT_EQ(file.Byte(1560), dfList);
    EXPECT_TRUE(file.Zero(1561, 3));
    EXPECT_EQ(file.Int(1564), 2);
    EXPECT_EQ(file.Int(1568), 1);
    EXPECT_EQ(file.Int(1572), 4);
    EXPECT_EQ(file.Byte(1576), dtCold);
    EXPECT_TRUE(file.Zero(1577, 7));
    EXPECT_EQ(file.Int(1584), 4);
    EXPECT_EQ(file.Int(1588), 2);
    EXPECT_EQ(file.Int(1592), 3);
    EXPECT_EQ(file.Int(1596), 3);
    EXPECT_EQ(file.Int(1600), 5);
    EXPECT_EQ(file.Int(1604), 9);
}

TEST_F(CharacterFileTest, ImportedThisEnginesFileKeepsWhatTheByteLayoutCannot)
{
    TPlayer mira;
    MakeMira(mira);
    std::string why;
    ASSERT_TRUE(Data().ExportCharacter(mira, why)) << why;
    TPlayer imported;
    imported.Gold = 33;
    imported.ScriptText = {"left over"};
    Queue("answer ok " + Exported("Mira.chr"));
    ASSERT_TRUE(Data().ImportCharacter(imported));
    EXPECT_EQ(imported.Name, "Mira");
    EXPECT_EQ(imported.race_name, "Human");
    EXPECT_TRUE(imported.ScriptText.empty());
    EXPECT_EQ(imported.end_max, 300);
    EXPECT_EQ(imported.end, 290);
    EXPECT_EQ(imported.mana_max, 260);
    EXPECT_EQ(imported.mana, 7);
    EXPECT_EQ(imported.ClassId, 2);
    EXPECT_EQ(imported.level, 5);
    EXPECT_EQ(imported.experience, 17000);
    EXPECT_EQ(imported.next_level, 26000);
    EXPECT_EQ(imported.Abilities, mira.Base.Abilities);
    EXPECT_EQ(imported.Resistances, mira.Base.Resistances);
    EXPECT_EQ(imported.Mastery, mira.Mastery);
    EXPECT_EQ(imported.attack_roll, 3);
    EXPECT_EQ(imported.delay, 6);
    EXPECT_EQ(imported.AttackMod, mira.Base.AttackMod);
    EXPECT_EQ(imported.DamageMod, mira.Base.DamageMod);
    EXPECT_EQ(imported.Armor, mira.Base.Armor);
    EXPECT_EQ(imported.NaturalDamage.Values, mira.NaturalDamage.Values);
    EXPECT_EQ(imported.NaturalDamage.DamageType, dtCold);
    EXPECT_EQ(imported.NaturalDamage.Duration, 4);
    EXPECT_EQ(imported.Gold, 0);
    ASSERT_EQ(imported.Skills.size(), 5u);
    EXPECT_EQ(imported.Skills[1].skill_script, "skill_lore.js");
    EXPECT_EQ(imported.Skills[4].skill_value, 24);
}

TEST_F(CharacterFileTest, AFileOfTheLayoutAloneImportsItsBytes)
{
    WriteBytes(Folder->Game() + "/Ysolde.chr", LayoutOnlyFile(3, 44, 31415));
    TPlayer imported;
    Queue("answer ok " + Folder->Game() + "/Ysolde.chr");
    ASSERT_TRUE(Data().ImportCharacter(imported));
    EXPECT_EQ(imported.Name, "Ysolde");
    EXPECT_EQ(imported.end_max, 44);
    EXPECT_EQ(imported.end, 44);
    EXPECT_EQ(imported.Armor[0], 200);
    EXPECT_EQ(imported.NaturalDamage.Values, std::vector<int32_t>{6});
}

TEST_F(CharacterFileTest, TheAdventuresRulesDecideWhoMayCome)
{
    struct Case {
        bool allow, fromCurrent;
        int32_t stamp;
        int level;
        const char* box;
    };
    const Case cases[] = {
        {true, true, 27182, 3, "You are allowed to import characters only from a previous adventure,belonging to this campaign."},
        {true, false, 27182, 3, nullptr},
        {true, true, 31415, 3, nullptr},
        {true, false, 31415, 1, "The level of the character you are trying to import is lower than the minimum allowed."},
        {true, false, 31415, 9, "The level of the character you are trying to import is greater than the maximum allowed."},
        {false, false, 31415, 3, "You are not allowed to import any characters."},
    };
    Data().MinLvl = 2;
    Data().MaxLvl = 8;
    const std::string path = Folder->Game() + "/Ysolde.chr";
    for (const Case& c : cases) {
        Data().AllowImport = c.allow;
        Data().FromCurrent = c.fromCurrent;
        WriteBytes(path, LayoutOnlyFile(c.level, 20, c.stamp));
        TPlayer imported;
        imported.Name = "Unchanged";
        if (c.allow)
            Queue("answer ok " + path);
        if (c.box)
            Queue("answer ok");
        EXPECT_EQ(Data().ImportCharacter(imported), c.box == nullptr) << c.level;
        EXPECT_EQ(imported.Name, c.box ? "Unchanged" : "Ysolde");
        if (c.box) {
            EXPECT_EQ(TestHost.LastBoxText(), c.box);
        }
    }
}

TEST_F(CharacterFileTest, ADamagedFileIsRefusedAndTheCharacterStaysAsItWas)
{
    const std::vector<uint8_t> good = LayoutOnlyFile(3, 20, 31415);
    auto plain = [&good](auto change) {
        std::vector<uint8_t> bytes = good;
        CharacterFileCipher(bytes);
        change(bytes);
        CharacterFileCipher(bytes);
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* why;
    };
    std::vector<uint8_t> noise(1600);
    for (size_t at = 0; at < noise.size(); ++at)
        noise[at] = static_cast<uint8_t>(at * 37 + 11);
    const Case cases[] = {
        {"empty", {}, "too short"},
        {"truncated", std::vector<uint8_t>(good.begin(), good.begin() + 1000), "too short"},
        {"a value missing", std::vector<uint8_t>(good.begin(), good.end() - 4), "size does not match"},
        {"oversized", std::vector<uint8_t>(200000, 0), "too large"},
        {"another cipher", noise, "not a character file"},
        {"a negative count", plain([](auto& bytes) { bytes[1595] = 0xFF; }), "size does not match"},
        {"a name past its field", plain([](auto& bytes) { bytes[8 + 4] = 41; }), "damaged"},
        {"a skill script past its field", plain([](auto& bytes) { bytes[8 + 364 + 36] = 20; }), "damaged"},
        {"level 0", plain([](auto& bytes) { bytes[8 + 225] = 0; }), "damaged"},
    };
    const std::string path = Folder->Game() + "/broken.chr";
    for (const Case& c : cases) {
        WriteBytes(path, c.bytes);
        TPlayer imported;
        imported.Name = "Unchanged";
        Queue("answer ok " + path + "\nanswer ok");
        EXPECT_FALSE(Data().ImportCharacter(imported)) << c.what;
        EXPECT_EQ(imported.Name, "Unchanged") << c.what;
        EXPECT_NE(TestHost.LastBoxText().find(c.why), std::string::npos) << c.what << ": " << TestHost.LastBoxText();
    }
    // Another extension is asked for again; cancelling gives up.
    TPlayer imported;
    Queue("answer ok " + Folder->Game() + "/data.db\nanswer cancel");
    EXPECT_FALSE(Data().ImportCharacter(imported));
}

TEST_F(CharacterFileTest, FileNamesAreSafeWhateverTheName)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Aldric", "Aldric.chr"},
        {"Ser Ewan of Ash", "Ser Ewan of Ash.chr"},
        {"../../etc/passwd", "_._.._etc_passwd.chr"},
        {"..", "_..chr"},
        {"a\nb\tc", "a_b_c.chr"},
        {"", "Character.chr"},
        {"/", "Character.chr"},
        {std::string(50, 'x'), std::string(40, 'x') + ".chr"},
        {"Ærwyn", "Ærwyn.chr"},
    };
    for (const auto& [name, file] : cases)
        EXPECT_EQ(CharacterFileName(name), file) << name;
}

TEST_F(CharacterFileTest, ALongNameIsKeptInTheRecordAsFarAsItsFieldGoes)
{
    TPlayer long_;
    MakeMira(long_);
    long_.Name = "Ser Ewan of the Ashen Hills, called the Patient";
    std::string why;
    ASSERT_TRUE(Data().ExportCharacter(long_, why)) << why;
    const std::string file = CharacterFileName(long_.Name);
    EXPECT_EQ(file, "Ser Ewan of the Ashen Hills, called the .chr");
    EXPECT_EQ(TLayout(ReadBytes(Exported(file))).RecordText(4), long_.Name.substr(0, 40));
}

TEST_F(CharacterFileTest, AnExportThatCannotBeWrittenSaysWhyAndLeavesNothing)
{
    TPlayer mira;
    MakeMira(mira);
    mira.Skills[1].skill_script = "skill_detect_magic.js";
    std::string why;
    EXPECT_FALSE(Data().ExportCharacter(mira, why));
    EXPECT_NE(why.find("skill_detect_magic.js"), std::string::npos) << why;
    EXPECT_FALSE(fs::exists(Exported("Mira.chr")));

    // The Exported folder cannot be made where a file stands.
    mira.Skills[1].skill_script.clear();
    WriteBytes(Data().ExportFolder(), {1});
    EXPECT_FALSE(Data().ExportCharacter(mira, why));
    EXPECT_NE(why.find("cannot be made"), std::string::npos) << why;
}
