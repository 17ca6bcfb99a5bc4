#include "generation/ListedNames.h"

#include <gtest/gtest.h>

using velorin::ListedNames;

TEST(ListedNames, AddsEachNameOnce) {
    ListedNames listed(2);
    EXPECT_TRUE(listed.Add("张浩然"));
    EXPECT_TRUE(listed.Add("张浩"));
    EXPECT_TRUE(listed.Add("张然浩"));
    EXPECT_TRUE(listed.Add(""));
    EXPECT_FALSE(listed.Add("张浩然"));
    EXPECT_FALSE(listed.Add("张浩"));
    EXPECT_FALSE(listed.Add(""));
    EXPECT_EQ(listed.Count(), 4u);
}

TEST(ListedNames, KeepsEveryNameAcrossGrowth) {
    // Far more names than expected, so the table grows several times.
    ListedNames listed(4);
    for (int i = 0; i < 20000; ++i) ASSERT_TRUE(listed.Add("张" + std::to_string(i))) << i;
    for (int i = 0; i < 20000; ++i) ASSERT_FALSE(listed.Add("张" + std::to_string(i))) << i;
    EXPECT_TRUE(listed.Add("张20000"));
    EXPECT_EQ(listed.Count(), 20001u);
}
