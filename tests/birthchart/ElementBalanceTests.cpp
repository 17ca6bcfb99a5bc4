#include <gtest/gtest.h>

#include "birthchart/ElementBalance.h"
#include "text/Utf8Text.h"

namespace velorin {
namespace {

constexpr std::string_view kAllLacking = "金  木  水  火  土  ";

TEST(CycleElementTable, CarriesTheElementsOfEachStemAndBranch) {
    const std::string stemElements = "木木火火土土金金水水";
    const std::string branchElements = "水土木木土火火土金金土水";
    const CycleElementTable& table = CycleElementTable::Carried();
    ASSERT_EQ(table.Count(), 60);
    for (int j = 1; j <= 60; ++j) {
        EXPECT_EQ(table.Entry(j), text::Middle(stemElements, static_cast<std::size_t>((j - 1) % 10 + 1), 1) + "," +
                                      text::Middle(branchElements, static_cast<std::size_t>((j - 1) % 12 + 1), 1) + ",")
            << j;
    }
    EXPECT_EQ(table.Entry(0), "");
    EXPECT_EQ(table.Entry(61), "");
}

TEST(ElementBalance, CountsTheEightCharactersAndListsWhatLacks) {
    const struct {
        FourPillars pillars;
        const char* elementText;
        std::array<int, 5> counts;
        const char* lacking;
    } cases[] = {
        {{"甲子", "乙丑", "丙寅", "丁卯"}, "木,水,木,土,火,木,火,木,", {0, 4, 1, 2, 1}, "金  "},
        {{"庚申", "壬子", "庚子", "戊辰"}, "金,金,水,水,金,水,土,土,", {3, 0, 3, 0, 2}, "木  火  "},
        {{"丑", "癸亥", "戊辰", "庚寅"}, "水,水,土,土,金,木,", {1, 1, 2, 0, 2}, "火  "},
        {{"甲子", "丙午", "戊辰", "庚申"}, "木,水,火,火,土,土,金,金,", {2, 1, 1, 2, 2}, ""},
        {{}, "", {0, 0, 0, 0, 0}, "金  木  水  火  土  "},
    };
    for (const auto& c : cases) {
        const ElementBalanceResult balance = ElementBalance(c.pillars);
        EXPECT_EQ(balance.elementText, c.elementText) << c.pillars.year;
        EXPECT_EQ(balance.counts, c.counts) << c.pillars.year;
        EXPECT_EQ(balance.lackingText, c.lacking) << c.pillars.year;
    }
}

TEST(ElementBalance, FirstLackingElementIsOneCharacterOrNone) {
    EXPECT_EQ(FirstLackingElement("金  "), "金");
    EXPECT_EQ(FirstLackingElement("木  火  "), "木");
    EXPECT_EQ(FirstLackingElement(kAllLacking), "金");
    EXPECT_EQ(FirstLackingElement(""), "");
}

TEST(ElementBalance, DisplayLines) {
    EXPECT_EQ(CountsLine({0, 4, 1, 2, 1}), "五行个数： 金：0个  木：4个  水：1个  火：2个  土：1个");
    EXPECT_EQ(FavourableElementLine("木  火  "), "此喜用神为:木  火  \r\n");
    EXPECT_EQ(FavourableElementLine(""), "此喜用神：生辰八字不缺\r\n");
}

TEST(ElementBalance, MomentsWithoutPillarsLackEverything) {
    for (const DateTime& moment : {DateTime(), DateTime::FromParts(1900, 6, 1, 12), DateTime::FromParts(1901, 2, 18, 23),
                                   DateTime::FromParts(2049, 1, 1, 0)}) {
        const ElementBalanceResult balance = ElementBalanceOf(moment);
        EXPECT_EQ(balance.elementText, "");
        EXPECT_EQ(CountsLine(balance.counts), "五行个数： 金：0个  木：0个  水：0个  火：0个  土：0个");
        EXPECT_EQ(balance.lackingText, kAllLacking);
        EXPECT_EQ(FavourableElementLine(balance.lackingText), "此喜用神为:金  木  水  火  土  \r\n");
    }
}

}  // namespace
}  // namespace velorin
