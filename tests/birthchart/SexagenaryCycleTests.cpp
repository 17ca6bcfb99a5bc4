#include <gtest/gtest.h>

#include "birthchart/Calendar.h"
#include "birthchart/SexagenaryCycle.h"

namespace velorin {
namespace {

TEST(CycleName, NamesTheSixtyPairsAndNothingElse) {
    EXPECT_EQ(CycleName(1), "甲子");
    EXPECT_EQ(CycleName(2), "乙丑");
    EXPECT_EQ(CycleName(11), "甲戌");
    EXPECT_EQ(CycleName(13), "丙子");
    EXPECT_EQ(CycleName(60), "癸亥");
    for (int j : {0, 61, -1, 120}) EXPECT_EQ(CycleName(j), "") << j;
}

TEST(CycleName, NumbersReadBackFromNamesStemsAndBranches) {
    for (int j = 1; j <= 60; ++j) {
        EXPECT_EQ(CycleNumberOfName(CycleName(j)), j);
        EXPECT_EQ(CycleNumberOf(StemOf(j), BranchOf(j)), j);
        EXPECT_EQ(CycleNumberAfter(j - 1 + 60 * 7), j);
        EXPECT_EQ(CycleNumberAfter(j - 1 - 60 * 7), j);
    }
    for (const char* other : {"", "甲", "子甲", "甲丑", "甲子乙丑", "jz"}) EXPECT_EQ(CycleNumberOfName(other), 0) << other;
}

TEST(Nayin, OneNameForEachTwoConsecutivePairs) {
    const struct {
        const char* pair;
        const char* nayin;
    } cases[] = {
        {"甲子", "海中金"}, {"乙丑", "海中金"}, {"丙寅", "炉中火"}, {"丁卯", "炉中火"}, {"庚午", "路旁土"},
        {"丙子", "涧下水"}, {"甲午", "沙中金"}, {"壬戌", "大海水"}, {"癸亥", "大海水"},
        {"", ""}, {"甲", ""}, {"甲丑", ""}, {"甲子 ", ""}, {"海中金", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(NayinOf(c.pair), c.nayin) << c.pair;
}

}  // namespace
}  // namespace velorin
