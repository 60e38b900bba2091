#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "rules/Creature.h"
#include "rules/EffectRecords.h"
#include "rules/Effects.h"
#include "support/SessionFixture.h"
#include "support/TempFolder.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

int32_t IntAt(const std::string& bytes, size_t at)
{
    uint32_t bits = 0;
    for (int byte = 0; byte < 4; ++byte)
        bits |= uint32_t(static_cast<uint8_t>(bytes.at(at + byte))) << (8 * byte);
    return static_cast<int32_t>(bits);
}

std::string Int(int32_t value)
{
    std::string bytes(4, '\0');
    for (int byte = 0; byte < 4; ++byte)
        bytes[byte] = static_cast<char>(static_cast<uint32_t>(value) >> (8 * byte));
    return bytes;
}

// A record of the kind with every other byte zero, its count and values.
std::string Entry(int32_t kind, const std::vector<int32_t>& values = {})
{
    std::string bytes(TimedEffectRecordSize, '\0');
    bytes.replace(176, 4, Int(10));
    bytes.replace(188, 4, Int(kind));
    bytes += Int(static_cast<int32_t>(values.size()));
    for (int32_t value : values)
        bytes += Int(value);
    return bytes;
}

class EffectRecordsTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure("insert into damage (id, dmg, dtype_id, duration, trigger, modifier) "
                      "values (108, '2d3', 9, 3, 1, 1);");
        Form().EffectsManager = std::make_unique<TEffectsManager>();
        auto player = std::make_unique<TPlayer>();
        player->Name = "Aldric";
        player->Id = 0x100000007;  // only the low 32 bits are stored
        player->end_max = player->end = 50;
        GameClient().AddPartyMember(player, 1);
        Hero = Form().Member(1);
    }

    // One effect of every kind, with numbers that differ in every field.
    void AddOneOfEach()
    {
        auto made = std::make_unique<TEffectMod>();
        made->Target = Hero;
        made->Abilities = {1, 2, 3, 4, 5};
        made->Armor = {6, 7, 8, 9};
        made->Attack = {10, 11, 12, -13};
        made->DamageBonus = {14, 15, 16, 17};
        made->Resistances = {18, 19, 20, 21, 22, 23, 24, 25, -26};
        made->mana_max = 27;
        made->end_max = -28;
        made->Remaining = 29;
        Effects().Add(std::move(made));
        auto damage = std::make_unique<TEffectDamage>();
        damage->Target = Hero;
        damage->Damage.Id = 108;
        damage->Damage.DiceCount = 2;
        damage->Damage.DamageType = 8;
        damage->Damage.Duration = -1;
        damage->Damage.Trigger = -1;
        damage->Damage.Values = {7, -8, 9};
        damage->Remaining = 30;
        damage->Period = 2;
        damage->Counter = 1;
        Effects().Add(std::move(damage));
        for (int32_t kind : {StateUnableToAct, 51, 255}) {
            auto state = std::make_unique<TEffect>();
            state->Kind = kind;
            state->Target = kind == 255 ? nullptr : Hero;
            state->Remaining = 31;
            state->Period = 14;
            Effects().Add(std::move(state));
        }
    }

    TEffectsManager& Effects() { return *Form().EffectsManager; }

    TTempFolder Temp;
    TPlayer* Hero = nullptr;
};

} // namespace

TEST_F(EffectRecordsTest, EveryKindIsWrittenAsLaidOutAndReadBackByteForByte)
{
    AddOneOfEach();
    const std::string first = Temp / "Timed.dat";
    ASSERT_TRUE(Effects().Save(first));
    const std::string bytes = ReadBytes(first);
    ASSERT_EQ(bytes.size(), 5 * (TimedEffectRecordSize + 4) + 3 * 4);

    // The modifier effect: its changes in their places, the reserved words zero.
    EXPECT_EQ(IntAt(bytes, 0), 1);
    EXPECT_EQ(IntAt(bytes, 20), 6);
    EXPECT_EQ(IntAt(bytes, 48), -13);
    EXPECT_EQ(IntAt(bytes, 100), -26);
    for (size_t reserved = 104; reserved < 148; reserved += 4)
        EXPECT_EQ(IntAt(bytes, reserved), 0) << reserved;
    EXPECT_EQ(IntAt(bytes, 148), 27);
    EXPECT_EQ(IntAt(bytes, 152), -28);
    EXPECT_EQ(IntAt(bytes, 172), 7);
    EXPECT_EQ(IntAt(bytes, 176), 29);
    EXPECT_EQ(IntAt(bytes, 188), 1);
    EXPECT_EQ(IntAt(bytes, 192), 0);
    // The damage effect: its image after the changes, which stay zero, and its values.
    const size_t damage = TimedEffectRecordSize + 4;
    EXPECT_EQ(IntAt(bytes, damage + 0), 0);
    EXPECT_EQ(IntAt(bytes, damage + 156), 108);
    EXPECT_EQ(bytes[damage + 160], 2);
    EXPECT_EQ(bytes[damage + 161], 8);
    EXPECT_EQ(IntAt(bytes, damage + 164), -1);
    EXPECT_EQ(IntAt(bytes, damage + 168), -1);
    EXPECT_EQ(IntAt(bytes, damage + 180), 2);
    EXPECT_EQ(IntAt(bytes, damage + 184), 1);
    EXPECT_EQ(IntAt(bytes, damage + 192), 3);
    EXPECT_EQ(IntAt(bytes, damage + 200), -8);
    // A state without a target.
    const size_t last = bytes.size() - TimedEffectRecordSize - 4;
    EXPECT_EQ(IntAt(bytes, last + 172), 0);
    EXPECT_EQ(IntAt(bytes, last + 188), 255);

    Form().EffectsManager = std::make_unique<TEffectsManager>();
    ASSERT_TRUE(Effects().Load(first));
    EXPECT_TRUE(Effects().TimerRunning());
    const std::string second = Temp / "Again.dat";
    ASSERT_TRUE(Effects().Save(second));
    EXPECT_EQ(ReadBytes(second), bytes);
    EXPECT_FALSE(Effects().TimerRunning());
}

TEST_F(EffectRecordsTest, ARestoredPoisonTakesWhatTheRecordLacksFromItsDamageRowAndStillHurts)
{
    std::string bytes = Entry(ekDamage, {});
    bytes.replace(156, 4, Int(108));
    bytes[160] = 2;
    bytes[161] = 8;
    bytes.replace(164, 4, Int(-1));
    bytes.replace(168, 4, Int(-1));
    bytes.replace(172, 4, Int(7));
    bytes.replace(180, 4, Int(2));
    bytes.replace(184, 4, Int(2));
    WriteBytes(Temp / "Timed.dat", bytes);
    ASSERT_TRUE(Effects().Load(Temp / "Timed.dat"));
    const auto effects = LiveEffects();
    ASSERT_EQ(effects.size(), 1u);
    ASSERT_EQ(effects[0]->Target, Hero);
    const DamageRec& image = dynamic_cast<const TEffectDamage&>(*effects[0]).Damage;
    EXPECT_EQ(image.Form, dfDice);
    EXPECT_EQ(image.DiceCount, 2);
    EXPECT_EQ(image.DieSize, 3);
    EXPECT_EQ(image.Modifier, 1);

    Process().Random.Force({2, 0});  // 3 and 1, plus 1
    TestHost.Advance(TickIntervalMs);
    EXPECT_EQ(Hero->end, 45);
}

TEST_F(EffectRecordsTest, TheValuesOfEveryKindArePassedOver)
{
    std::string bytes = Entry(ekModifier, {5, 6}) + Entry(51, {7}) + Entry(ekDamage, {8, 9});
    const TStoredEffects read = ReadEffectEntries(bytes);
    EXPECT_EQ(read.Error, "");
    ASSERT_EQ(read.Entries.size(), 3u);
    EXPECT_EQ(read.Entries[1].Effect->Kind, 51);
    const auto& damage = dynamic_cast<const TEffectDamage&>(*read.Entries[2].Effect);
    EXPECT_EQ(damage.Damage.Values, (std::vector<int32_t>{8, 9}));
    EXPECT_EQ(damage.Remaining, 10);
}

TEST_F(EffectRecordsTest, ADamagedFileIsRefusedWithAMessageKeepingTheEntriesBeforeTheDamage)
{
    const std::string good = Entry(ekModifier);
    struct Case {
        const char* What;
        std::string Bytes;
        size_t Kept;
        const char* Message;
    };
    std::string negative = Entry(ekDamage);
    negative.replace(TimedEffectRecordSize, 4, Int(-1));
    std::string tooMany = Entry(ekDamage, {1, 2});
    tooMany.replace(TimedEffectRecordSize, 4, Int(3));
    std::string huge = Entry(ekModifier);
    huge.replace(TimedEffectRecordSize, 4, Int(INT32_MAX));
    const Case cases[] = {
        {"a record cut short", good + good.substr(0, 100), 1, "Entry 2 of the timed effects is cut short."},
        {"a count cut short", good + Entry(ekDamage).substr(0, TimedEffectRecordSize + 2), 1,
         "Entry 2 of the timed effects is cut short."},
        {"a negative count", good + negative, 1, "Entry 2 of the timed effects counts -1 values where 0 remain."},
        {"more values than remain", good + good + tooMany, 2,
         "Entry 3 of the timed effects counts 3 values where 2 remain."},
        {"a count beyond any file", huge + good, 0,
         "Entry 1 of the timed effects counts 2147483647 values where 49 remain."},
        {"a stray byte", good + std::string(1, '\0'), 1, "Entry 2 of the timed effects is cut short."},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.What);
        Form().EffectsManager = std::make_unique<TEffectsManager>();
        WriteBytes(Temp / "Timed.dat", test.Bytes);
        Queue(std::string("expect-box ") + test.Message + "\nanswer ok");
        EXPECT_FALSE(Effects().Load(Temp / "Timed.dat"));
        EXPECT_EQ(LiveEffects().size(), test.Kept);
        EXPECT_NE(TestHost.LastBoxText().find("The " + std::to_string(test.Kept) + " effects before it are restored."),
                  std::string::npos)
            << TestHost.LastBoxText();
    }
}

TEST_F(EffectRecordsTest, AFileTooLargeOrMissingRestoresNothing)
{
    WriteBytes(Temp / "Timed.dat", std::string(4 * 1024 * 1024 + 1, '\0'));
    Queue("expect-box is larger than 4194304 bytes\nanswer ok");
    EXPECT_FALSE(Effects().Load(Temp / "Timed.dat"));
    EXPECT_TRUE(LiveEffects().empty());

    EXPECT_TRUE(Effects().Load(Temp / "None.dat"));
    EXPECT_TRUE(LiveEffects().empty());
    EXPECT_FALSE(Effects().TimerRunning());
}

TEST_F(EffectRecordsTest, SavingNoEffectsLeavesNoFileAndAFailedSaveKeepsTheOldOne)
{
    const std::string file = Temp / "Timed.dat";
    WriteBytes(file, Entry(ekModifier));
    ASSERT_TRUE(Effects().Save(file));
    EXPECT_FALSE(std::filesystem::exists(file));

    AddOneOfEach();
    WriteBytes(file, "old");
    std::filesystem::create_directory(file + ".new");
    WriteBytes(file + ".new/blocker", "");
    Queue("expect-box cannot be written\nanswer ok");
    EXPECT_FALSE(Effects().Save(file));
    EXPECT_EQ(ReadBytes(file), "old");
}
