#include "evaluation/GridExplanation.h"
#include "evaluation/GridLines.h"

#include <gtest/gtest.h>

#include "lookups/Number81Table.h"

namespace velorin {
namespace {

TEST(GridLine, ListsOuterBeforeTotalInBlue) {
    FiveGrids grids{.heaven = 12, .person = 18, .earth = 7, .outer = 2, .total = -1};
    EXPECT_EQ(GridLine(grids), (ColouredLine{"五格：天格(12) 人格(18) 地格(7) 外格(2) 总格(-1)\r\n", kBlue}));
}

struct TalentCase {
    int person, talent;
};

class PersonTalentOf : public ::testing::TestWithParam<TalentCase> {};

TEST_P(PersonTalentOf, SubtractsTenFromTwoCharacterNumbersOnly) {
    EXPECT_EQ(PersonTalent(GetParam().person), GetParam().talent);
}

INSTANTIATE_TEST_SUITE_P(Numbers, PersonTalentOf,
                         ::testing::Values(TalentCase{9, 9}, TalentCase{10, 0}, TalentCase{25, 15},
                                           TalentCase{99, 89}, TalentCase{105, 105}, TalentCase{-1, -11},
                                           TalentCase{-10, -10}, TalentCase{0, 0}));

TEST(TalentLine, ShowsHeavenPersonTalentAndEarthWithThreeBreaks) {
    FiveGrids grids{.heaven = 12, .person = 25, .earth = 7, .outer = 2, .total = 30};
    EXPECT_EQ(TalentLine(grids), (ColouredLine{"三才：天才(12)→人才(15)→地才(7)\r\n\r\n\r\n", kBlue}));
}

TEST(GridExplanation, IntroducesInRedAndQuotesTheNumberInBlue) {
    auto [introduction, paragraph] = GridExplanation(ExplainedGrid::Heaven, 1);
    EXPECT_EQ(introduction, (ColouredLine{"天格：乃祖先留下来的，其数理对人影响不大。\r\n\r\n", kRed}));
    const Number81Table::Row& one = Number81Table::Carried().Cells(1);
    EXPECT_EQ(paragraph.text, "第1数理(吉)\r\n基业：" + one[2] + "\r\n家庭：" + one[3] + "\r\n健康：" + one[4] +
                                  "\r\n含义" + one[5] + "\r\n\r\n");
    EXPECT_EQ(paragraph.colour, kBlue);
}

TEST(GridExplanation, NumbersOutsideTheTableLeaveEveryFieldEmpty) {
    const std::string empty = "()\r\n基业：\r\n家庭：\r\n健康：\r\n含义\r\n\r\n";
    for (int number : {82, 0, -1}) {
        auto [introduction, paragraph] = GridExplanation(ExplainedGrid::Outer, number);
        EXPECT_EQ(introduction.text, "外格：主管命运之灵力。\r\n\r\n");
        EXPECT_EQ(paragraph.text, empty) << number;
    }
}

TEST(GridExplanations, ExplainTotalBeforeOuterAndRepeatEqualNumbers) {
    FiveGrids grids{.heaven = 3, .person = 3, .earth = 5, .outer = 81, .total = 82};
    std::vector<ColouredLine> lines = GridExplanations(grids);
    ASSERT_EQ(lines.size(), 10u);
    const char* openings[] = {"天格：", "人格：", "地格：", "总格：", "外格："};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(lines[2 * i].text.rfind(openings[i], 0), 0u) << i;
        EXPECT_EQ(lines[2 * i].colour, kRed);
        EXPECT_EQ(lines[2 * i + 1].colour, kBlue);
    }
    EXPECT_EQ(lines[1].text, lines[3].text);
    EXPECT_EQ(lines[7].text.rfind("()\r\n", 0), 0u);
    EXPECT_EQ(lines[9].text.rfind("第81数理(吉)\r\n", 0), 0u);
}

}  // namespace
}  // namespace velorin
