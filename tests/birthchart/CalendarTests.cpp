#include <gtest/gtest.h>

#include "birthchart/Calendar.h"

namespace velorin {
namespace {

const FourPillars kUntouched{"x", "x", "x", "x"};

bool operator==(const FourPillars& a, const FourPillars& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour;
}

TEST(FourPillars, NoPillarsForTheZeroMomentAndUpTo1900) {
    for (const DateTime& moment : {DateTime(), DateTime(-400.5), DateTime::FromParts(1900, 12, 31, 23)}) {
        FourPillars pillars = kUntouched;
        EXPECT_FALSE(FourPillarsOf(moment, pillars));
        EXPECT_TRUE(pillars == kUntouched);
    }
}

TEST(FourPillars, EmptyPillarsOutsideTheRange) {
    for (const DateTime& moment : {DateTime::FromParts(1901, 1, 1, 0), DateTime::FromParts(1901, 2, 18, 23),
                                   DateTime::FromParts(2049, 1, 1, 0), DateTime::FromParts(2100, 6, 1, 12)}) {
        FourPillars pillars = kUntouched;
        EXPECT_FALSE(FourPillarsOf(moment, pillars));
        EXPECT_TRUE(pillars == FourPillars{});
        EXPECT_EQ(ZodiacOf(moment), "");
    }
}

TEST(FourPillars, YearAndZodiacChangeAtLichunNotAtTheLunarNewYear) {
    // 立春 2024 fell at 16:27 on 4 February; the lunar new year on 10 February.
    const struct {
        DateTime moment;
        FourPillars pillars;
        const char* zodiac;
    } cases[] = {
        {DateTime::FromParts(1901, 2, 19, 0), {"辛丑", "庚寅", "戊辰", "壬子"}, "牛"},
        {DateTime::FromParts(2024, 2, 4, 16), {"癸卯", "乙丑", "戊戌", "庚申"}, "兔"},
        {DateTime::FromParts(2024, 2, 4, 17), {"甲辰", "丙寅", "戊戌", "辛酉"}, "龙"},
        {DateTime::FromParts(2048, 12, 31, 22), {"戊辰", "甲子", "乙亥", "丁亥"}, "龙"},
        // From 23:00 the day pillar is the next day's and the hour is its 子 period.
        {DateTime::FromParts(2048, 12, 31, 23), {"戊辰", "甲子", "丙子", "戊子"}, "龙"},
    };
    for (const auto& c : cases) {
        FourPillars pillars;
        EXPECT_TRUE(FourPillarsOf(c.moment, pillars));
        EXPECT_TRUE(pillars == c.pillars) << pillars.year << pillars.month << pillars.day << pillars.hour;
        EXPECT_EQ(ZodiacOf(c.moment), c.zodiac);
    }
}

TEST(LunarDate, CoversTheRangeAndFailsOutsideIt) {
    LunarDate date;
    ASSERT_TRUE(LunarDateOf(DateTime::FromParts(1901, 2, 19, 0), date));
    EXPECT_EQ(date.year, 1901);
    EXPECT_EQ(date.month, 1);
    EXPECT_EQ(date.day, 1);
    // In 2023 a leap month 闰二月 followed month 2, from 22 March to 19 April.
    ASSERT_TRUE(LunarDateOf(DateTime::FromParts(2023, 4, 1, 23), date));
    EXPECT_EQ(date.year, 2023);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 11);
    EXPECT_TRUE(date.leap);
    for (const DateTime& moment : {DateTime(), DateTime::FromParts(1901, 2, 18, 23), DateTime::FromParts(2049, 1, 1, 0)}) {
        LunarDate untouched{7, 7, 7, true};
        EXPECT_FALSE(LunarDateOf(moment, untouched));
        EXPECT_EQ(untouched.year, 7);
        EXPECT_EQ(untouched.day, 7);
    }
}

}  // namespace
}  // namespace velorin
