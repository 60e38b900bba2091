#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "data/Hash.h"

namespace {

template <class TException>
std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const TException& error) {
        return error.what();
    }
    return "no exception";
}

std::set<std::string> KeysOf(THash& hash)
{
    std::set<std::string> keys;
    hash.Restart();
    while (hash.Next())
        keys.insert(hash.CurrentKey());
    return keys;
}

} // namespace

TEST(HashTest, HashFunctionOrsTheTopNibbleBack)
{
    EXPECT_EQ(THash::HashOf(""), 0x12345670u);
    // (0x12345670 << 4) + 'A' = 0x23456741; its top nibble 0x20000000 is ored in
    // shifted down by 24 and left standing.
    EXPECT_EQ(THash::HashOf("A"), 0x23456761u);
    EXPECT_EQ(THash::HashOf("A") & THash::HashMask, 0x61u);
}

TEST(HashTest, SetGetReplaceDelete)
{
    TStringHash hash;
    hash.SetItem("name", "Aldric");
    hash.SetItem("class", "Warrior");
    hash.SetItem("name", "Brenna");
    EXPECT_EQ(hash.GetItem("name"), "Brenna");
    EXPECT_EQ(hash.GetItem("class"), "Warrior");
    EXPECT_EQ(hash.Count(), 2);
    hash.Delete("name");
    EXPECT_FALSE(hash.Exists("name"));
    EXPECT_EQ(hash.GetItem("class"), "Warrior");
    // A freed slot is reused by the next new key.
    hash.SetItem("race", "Elf");
    EXPECT_EQ(hash.GetItem("race"), "Elf");
    EXPECT_EQ(hash.GetItem("class"), "Warrior");

    TIntegerHash switches;
    switches.SetItem("door_open", 1);
    switches.SetItem("door_open", -7);
    EXPECT_EQ(switches.GetItem("door_open"), -7);
    switches.Clear();
    EXPECT_FALSE(switches.Exists("door_open"));
    EXPECT_EQ(switches.Count(), 0);
}

TEST(HashTest, ErrorsCarryTheirMessages)
{
    TStringHash hash;
    EXPECT_EQ(MessageOf<EHashInvalidKeyError>([&] { hash.GetItem(""); }), "Key cannot be an empty string");
    EXPECT_EQ(MessageOf<EHashInvalidKeyError>([&] { hash.SetItem("", "x"); }), "Key cannot be an empty string");
    EXPECT_EQ(MessageOf<EHashInvalidKeyError>([&] { hash.Exists(""); }), "Key cannot be an empty string");
    EXPECT_EQ(MessageOf<EHashInvalidKeyError>([&] { hash.Delete(""); }), "Key cannot be an empty string");
    EXPECT_EQ(MessageOf<EHashFindError>([&] { hash.GetItem("name"); }), "Key \"name\" not found");
    EXPECT_EQ(MessageOf<EHashFindError>([&] { hash.Delete("name"); }), "Key \"name\" not found");
    // Every hash error is an EHashError.
    EXPECT_THROW(hash.GetItem("name"), EHashError);
}

TEST(HashTest, IterationStates)
{
    TIntegerHash hash;
    EXPECT_EQ(MessageOf<EHashIterateError>([&] { hash.Next(); }),
              "Cannot get Next as the hash has been modified since Restart was called");
    hash.Restart();
    EXPECT_EQ(MessageOf<EHashIterateError>([&] { hash.CurrentKey(); }),
              "Cannot find CurrentKey as Next has not yet been called after Restart");
    EXPECT_FALSE(hash.Next());

    hash.SetItem("a", 1);
    hash.SetItem("b", 2);
    EXPECT_EQ(MessageOf<EHashIterateError>([&] { hash.CurrentKey(); }),
              "Cannot find CurrentKey as the hash has been modified since Restart was called");

    hash.Restart();
    ASSERT_TRUE(hash.Next());
    // Replacing a value keeps the iteration going.
    hash.SetItem(hash.CurrentKey(), 10);
    EXPECT_TRUE(hash.IterationValid());
    ASSERT_TRUE(hash.Next());
    EXPECT_FALSE(hash.Next());

    // Adding a key ends it; so does deleting one.
    hash.Restart();
    ASSERT_TRUE(hash.Next());
    hash.SetItem("c", 3);
    EXPECT_THROW(hash.Next(), EHashIterateError);
    hash.Restart();
    ASSERT_TRUE(hash.Next());
    hash.Delete("c");
    EXPECT_THROW(hash.Next(), EHashIterateError);
}

TEST(HashTest, IterationGoesBucketByBucketInRecordOrder)
{
    TStringHash hash;
    std::map<std::pair<uint32_t, int>, std::string> expected;  // (bucket, insertion) -> key
    for (int i = 0; i < 300; ++i) {
        const std::string key = "key" + std::to_string(i);
        hash.SetItem(key, key);
        expected[{THash::HashOf(key) & THash::HashMask, i}] = key;
    }
    std::vector<std::string> order;
    hash.Restart();
    while (hash.Next())
        order.push_back(hash.CurrentKey());
    std::vector<std::string> wanted;
    for (const auto& [where, key] : expected)
        wanted.push_back(key);
    EXPECT_EQ(order, wanted);
}

TEST(HashTest, KeysSharingAHashAreFoundIndependently)
{
    // Find two different keys with the same full hash value.
    std::map<uint32_t, std::string> seen;
    std::string first, second;
    for (int a = 'a'; a <= 'z' && second.empty(); ++a)
        for (int b = 'a'; b <= 'z' && second.empty(); ++b)
            for (int c = 'a'; c <= 'z' && second.empty(); ++c) {
                const std::string key = std::string("xxxxxxx") + char(a) + char(b) + char(c);
                const auto [it, fresh] = seen.emplace(THash::HashOf(key), key);
                if (!fresh) {
                    first = it->second;
                    second = key;
                }
            }
    ASSERT_FALSE(second.empty());
    TStringHash hash;
    hash.SetItem(first, "one");
    hash.SetItem(second, "two");
    EXPECT_EQ(hash.GetItem(first), "one");
    EXPECT_EQ(hash.GetItem(second), "two");
    hash.Delete(first);
    EXPECT_FALSE(hash.Exists(first));
    EXPECT_EQ(hash.GetItem(second), "two");
}

// Shows the size of the value array, which only Compact shrinks.
class TProbeHash : public TStringHash {
public:
    using TStringHash::IndexMax;
};

TEST(HashTest, HundredRemovalsCompactTheValues)
{
    TProbeHash hash;
    for (int i = 0; i < 150; ++i)
        hash.SetItem("k" + std::to_string(i), "v" + std::to_string(i));
    // Remove 100 keys from all over the table, leaving every third.
    for (int i = 0; i < 150; ++i)
        if (i % 3 != 0) {
            hash.Delete("k" + std::to_string(i));
            EXPECT_EQ(hash.IndexMax(), hash.Count() == 50 ? 49 : 149) << "after removing k" << i;
        }
    const std::set<std::string> remaining = KeysOf(hash);
    ASSERT_EQ(remaining.size(), 50u);
    for (const std::string& key : remaining)
        EXPECT_EQ(hash.GetItem(key), "v" + key.substr(1));
    // No spare slots are left: a new key goes after the compacted values.
    hash.SetItem("new", "fresh");
    EXPECT_EQ(hash.IndexMax(), 50);
    EXPECT_EQ(hash.GetItem("new"), "fresh");
    for (const std::string& key : remaining)
        EXPECT_EQ(hash.GetItem(key), "v" + key.substr(1));
}

TEST(HashTest, NoCompactWhenDisallowed)
{
    TIntegerHash hash;
    hash.AllowCompact = false;
    for (int i = 0; i < 120; ++i)
        hash.SetItem("k" + std::to_string(i), i);
    for (int i = 0; i < 110; ++i)
        hash.Delete("k" + std::to_string(i));
    for (int i = 110; i < 120; ++i)
        EXPECT_EQ(hash.GetItem("k" + std::to_string(i)), i);
}
