#include <gtest/gtest.h>

#include <set>

#include "platform/DateTime.h"
#include "platform/Random.h"

TEST(RandomTest, SeededForcedAndInRange)
{
    TRandomSource first;
    TRandomSource second;
    first.Seed(2026);
    second.Seed(2026);
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int value = first.Random(6);
        EXPECT_EQ(value, second.Random(6));
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 6);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(first.Random(0), 0);
    EXPECT_EQ(first.Random(-3), 0);

    first.Force({4, 9, -1});
    EXPECT_TRUE(first.HasForced());
    EXPECT_EQ(first.Random(6), 4);
    EXPECT_EQ(first.Random(6), 3);  // brought into range
    EXPECT_EQ(first.Random(6), 5);
    EXPECT_FALSE(first.HasForced());
    // Seeding drops what was forced.
    first.Force({1});
    first.Seed(1);
    EXPECT_FALSE(first.HasForced());
}

TEST(DateTimeTest, DaysSinceTheEndOf1899)
{
    EXPECT_DOUBLE_EQ(DateTimeFromMilliseconds(0), 25569.0);
    EXPECT_DOUBLE_EQ(DateTimeFromMilliseconds(43200000), 25569.5);
    const double now = DateTimeNow();
    EXPECT_GT(now, 46000.0);  // after 2025
    EXPECT_LT(now, 80000.0);
}
