#include "lookups/PinyinTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velorin;

TEST(PinyinTable, FirstReadingIsTheStandardMandarinOne) {
    const struct {
        const char* character;
        const char* reading;
    } cases[] = {
        {"張", "zhāng"}, {"张", "zhāng"}, {"曾", "céng"}, {"單", "dān"}, {"子", "zǐ"}, {"宇", "yǔ"},
        {"么", "me"},  // a neutral tone stays unmarked
        {"女", "nǚ"}, {"", ""}, {"A", ""}, {"张王", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CarriedFirstReading(c.character), c.reading) << c.character;
}

TEST(PinyinTable, ListsEveryReadingOnceFirstReadingFirst) {
    EXPECT_EQ(CarriedReadings("曾"), (std::vector<std::string_view>{"céng", "zēng"}));
    EXPECT_EQ(CarriedReadings("张"), (std::vector<std::string_view>{"zhāng"}));
    EXPECT_TRUE(CarriedReadings("A").empty());
    const auto readings = CarriedReadings("和");
    ASSERT_GE(readings.size(), 3u);
    EXPECT_EQ(readings.front(), "hé");
}
