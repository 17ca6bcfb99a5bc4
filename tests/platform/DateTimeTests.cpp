#include "platform/DateTime.h"

#include <gtest/gtest.h>

using velorin::DateTime;

TEST(DateTime, ZeroIsThirtiethOfDecember1899) {
    DateTime zero;
    EXPECT_TRUE(zero.IsZero());
    auto parts = zero.Parts();
    EXPECT_EQ(parts.year, 1899);
    EXPECT_EQ(parts.month, 12);
    EXPECT_EQ(parts.day, 30);
    EXPECT_EQ(parts.hour, 0);
    EXPECT_EQ(DateTime::FromParts(1899, 12, 30, 0).Days(), 0.0);
    EXPECT_EQ(DateTime::FromParts(1900, 1, 1, 0).Days(), 2.0);
}

TEST(DateTime, RoundTripsItsFields) {
    struct Case {
        int year, month, day, hour;
    } cases[] = {{2016, 5, 5, 5}, {2020, 2, 29, 23}, {1901, 2, 19, 0}, {2048, 12, 31, 23}, {100, 1, 1, 0}};
    for (const auto& c : cases) {
        auto parts = DateTime::FromParts(c.year, c.month, c.day, c.hour).Parts();
        EXPECT_EQ(parts.year, c.year);
        EXPECT_EQ(parts.month, c.month);
        EXPECT_EQ(parts.day, c.day);
        EXPECT_EQ(parts.hour, c.hour);
        EXPECT_EQ(parts.minute, 0);
    }
}

TEST(DateTime, ClampsInsteadOfRejecting) {
    struct Case {
        int year, month, day, hour;
        int wantYear, wantMonth, wantDay, wantHour;
    } cases[] = {
        {2019, 2, 29, 5, 2019, 2, 28, 5},   {2020, 2, 31, 5, 2020, 2, 29, 5},
        {2016, 13, 5, 5, 2016, 12, 5, 5},   {2016, 0, 0, 5, 2016, 1, 1, 5},
        {2016, 5, 5, 24, 2016, 5, 5, 23},   {2016, 5, 5, -1, 2016, 5, 5, 0},
        {0, 0, 0, 0, 100, 1, 1, 0},         {12345, 4, 31, 5, 9999, 4, 30, 5},
    };
    for (const auto& c : cases) {
        auto parts = DateTime::FromParts(c.year, c.month, c.day, c.hour).Parts();
        EXPECT_EQ(parts.year, c.wantYear);
        EXPECT_EQ(parts.month, c.wantMonth);
        EXPECT_EQ(parts.day, c.wantDay);
        EXPECT_EQ(parts.hour, c.wantHour);
    }
}
