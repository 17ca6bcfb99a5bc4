#include "lookups/Number81Table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/Utf8Text.h"

using velorin::Number81Table;

namespace {

const Number81Table& Table() { return Number81Table::Carried(); }

// The traditional grades, written out here independently of the carried text.
const std::set<int> kGood = {1,  3,  5,  6,  7,  8,  11, 13, 15, 16, 21, 23, 24, 31, 32,
                             33, 35, 37, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};
const std::set<int> kMixed = {17, 18, 25, 29, 30, 38, 39, 51, 58, 71, 73, 75, 77, 78};

std::string ExpectedGrade(int number) {
    if (kGood.contains(number)) return "吉";
    if (kMixed.contains(number)) return "半吉";
    return "凶";
}

}  // namespace

TEST(Number81Table, HoldsEightyOneTitledRowsWithTheirGrades) {
    ASSERT_EQ(Table().Count(), 81);
    ASSERT_EQ(kGood.size(), 30u);
    ASSERT_EQ(kMixed.size(), 14u);
    for (int number = 1; number <= 81; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(Table().Cells(number)[Number81Table::Title], "第" + std::to_string(number) + "数理");
        EXPECT_EQ(Table().GradeOf(number), ExpectedGrade(number));
    }
}

TEST(Number81Table, EveryTextFitsItsColumn) {
    struct Bounds {
        Number81Table::Column column;
        std::size_t shortest, longest;
    } const bounds[] = {
        {Number81Table::Career, 12, 36},
        {Number81Table::Family, 5, 34},
        {Number81Table::Health, 9, 36},
        {Number81Table::Meaning, 21, 132},
    };
    for (int number = 1; number <= 81; ++number) {
        for (const Bounds& bound : bounds) {
            const std::string& cell = Table().Cells(number)[bound.column];
            SCOPED_TRACE(std::to_string(number) + ": " + cell);
            EXPECT_GE(velorin::text::Length(cell), bound.shortest);
            EXPECT_LE(velorin::text::Length(cell), bound.longest);
            EXPECT_EQ(cell.find("待写"), std::string::npos);
        }
    }
}

TEST(Number81Table, NumberOneReadsAsCarried) {
    const Number81Table::Row& one = Table().Cells(1);
    EXPECT_EQ(one[Number81Table::Career], "聪明、多学、成功、富贵、名誉、幸福、财帛、进田。");
    EXPECT_EQ(one[Number81Table::Family], "竹木成林、父母有荫、家庭圆满、子女多孝。");
    EXPECT_EQ(one[Number81Table::Health], "：“三才”善良者身体安康，可望长寿，否则不遇。");
    EXPECT_TRUE(one[Number81Table::Meaning].starts_with("万事万物的基本数。为最大吉祥运的表示"));
}

TEST(Number81Table, NumbersOutsideTheTableHaveEmptyCells) {
    for (int number : {0, -1, 82}) {
        SCOPED_TRACE(number);
        for (const std::string& cell : Table().Cells(number)) EXPECT_EQ(cell, "");
    }
}
