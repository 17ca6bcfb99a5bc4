#include "platform/Random.h"
#include "platform/System.h"

#include <gtest/gtest.h>

#include <set>

TEST(RandomSource, StaysWithinBoundsAndReachesBothEnds) {
    velorin::RandomSource random(42);
    std::set<long long> seen;
    for (int i = 0; i < 2000; ++i) {
        long long value = random.Between(69, 100);
        ASSERT_GE(value, 69);
        ASSERT_LE(value, 100);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 32u);
}

TEST(RandomSource, DrawsBeyondFifteenBits) {
    velorin::RandomSource random(7);
    long long largest = 0;
    for (int i = 0; i < 1000; ++i) largest = std::max(largest, random.Between(1, 100000));
    EXPECT_GT(largest, 32768);
}

TEST(RandomSource, SameSeedSameDraws) {
    velorin::RandomSource a(5), b(5);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.Between(1, 1000), b.Between(1, 1000));
}

TEST(System, KnowsItsRunDirectoryAndUptime) {
    std::string directory = velorin::RunDirectory();
    EXPECT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '/');
    EXPECT_GT(velorin::UptimeMilliseconds(), 0u);
}
