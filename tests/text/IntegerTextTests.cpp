#include "text/IntegerText.h"

#include <gtest/gtest.h>

#include <climits>

using velorin::text::TextToInteger;

TEST(TextToInteger, ReadsTheWayTheBoxesDo) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"2016", 2016},       {"  75", 75},          {"\u3000 12", 12},
        {"-5", -5},           {"+7", 7},             {"７５", 75},
        {"－３", -3},         {"12abc", 12},         {"95分", 95},
        {"", 0},              {"abc", 0},            {"-", 0},
        {"1 2", 1},           {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToInteger(c.text), c.value) << c.text;
}
