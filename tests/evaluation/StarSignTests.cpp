#include "evaluation/StarSign.h"

#include <gtest/gtest.h>

namespace velorin {
namespace {

struct SignCase {
    int month, day;
    const char* sign;
};

void PrintTo(const SignCase& c, std::ostream* out) { *out << c.month << '/' << c.day; }

class StarSignBoundaries : public ::testing::TestWithParam<SignCase> {};

TEST_P(StarSignBoundaries, TheRangesDecideNotTheDatesInTheTexts) {
    const SignCase& c = GetParam();
    const StarSignRow* row = StarSignRowOf(c.month, c.day);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->sign, c.sign);
}

INSTANTIATE_TEST_SUITE_P(Days, StarSignBoundaries,
                         ::testing::Values(SignCase{3, 21, "白羊座"}, SignCase{4, 20, "白羊座"},
                                           SignCase{4, 21, "金牛座"}, SignCase{5, 21, "金牛座"},
                                           SignCase{5, 22, "双子座"}, SignCase{12, 22, "魔蝎座"},
                                           SignCase{1, 20, "魔蝎座"}, SignCase{1, 21, "水瓶座"},
                                           SignCase{2, 19, "水瓶座"}, SignCase{2, 20, "双鱼座"},
                                           SignCase{3, 20, "双鱼座"}, SignCase{2, 30, "双鱼座"},
                                           SignCase{3, 99, "白羊座"}, SignCase{10, 24, "天蝎座"},
                                           SignCase{9, 24, "天平座"}));

TEST(StarSignOf, WritesTheDateTheSignAndItsDescription) {
    EXPECT_EQ(StarSignOf(1, 1),
              "1月1日\r\n魔蝎座\r\n耐心\r\n\r\n12月22日～1月20日 主宰行星：土星 属性：地相星座\r\n\r\n"
              "是一个：喜欢从容不迫、深思熟虑的人");
    // The program's own texts keep their irregular blanks.
    EXPECT_NE(StarSignOf(4, 1).find("属性：火相星座 \r\n\r\n是一个：感情起伏较快的人"), std::string::npos);
    EXPECT_NE(StarSignOf(11, 1).find("10月24日～11月22日主宰行星：火星和冥王星属性：水相星座"), std::string::npos);
}

TEST(StarSignOf, MonthsNoSignHoldsGiveTheDateLineAndAnEmptyLine) {
    EXPECT_EQ(StarSignRowOf(0, 5), nullptr);
    EXPECT_EQ(StarSignOf(0, 5), "0月5日\r\n\r\n");
    EXPECT_EQ(StarSignOf(13, 1), "13月1日\r\n\r\n");
    EXPECT_EQ(StarSignOf(0, 0), "0月0日\r\n\r\n");
}

TEST(StarSignTable, HoldsTwelveSignsEachReachableOnItsFirstDay) {
    ASSERT_EQ(StarSignTable().size(), 12u);
    for (const StarSignRow& row : StarSignTable()) {
        EXPECT_EQ(StarSignRowOf(row.firstMonth, row.firstDay), &row) << row.sign;
    }
}

}  // namespace
}  // namespace velorin
