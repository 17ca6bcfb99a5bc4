#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "embedded/ThreeTalentsText.h"
#include "text/Utf8Text.h"

using velorin::text::Split;

namespace {

// The five elements in the table's order, with the last digits of a grid
// number that stand for each and the element it generates.
struct Element {
    std::string name, oddDigit, evenDigit, generates;
};
const std::array<Element, 5> kElements = {{
    {"木", "一", "二", "火"},
    {"火", "三", "四", "土"},
    {"土", "五", "六", "金"},
    {"金", "七", "八", "水"},
    {"水", "九", "十", "木"},
}};

// The element that `element` overcomes: the one two steps further on the
// generating cycle (木 overcomes 土, 火 overcomes 金, ...).
std::string Overcomes(const Element& element) {
    for (const Element& next : kElements)
        if (next.name == element.generates) return next.generates;
    return "";
}

std::vector<std::vector<std::string>> Blocks() {
    std::vector<std::vector<std::string>> blocks;
    for (const std::string& block : Split(velorin::embedded::ThreeTalentsText(), "\r\n\r\n"))
        blocks.push_back(Split(block, "\r\n"));
    return blocks;
}

bool EndsWithGrade(const std::string& judgement) {
    for (const char* grade : {"（吉）", "（凶）", "（半吉）", "（半凶）"})
        if (judgement.ends_with(grade)) return true;
    return false;
}

// Calls `check` with each combination of heaven, person and earth in the
// table's order and the lines of the block that should describe it.
template <typename Check>
void ForEachBlock(Check check) {
    const auto blocks = Blocks();
    ASSERT_EQ(blocks.size(), 125u);
    std::size_t index = 0;
    for (const Element& heaven : kElements)
        for (const Element& person : kElements)
            for (const Element& earth : kElements) {
                SCOPED_TRACE(heaven.name + person.name + earth.name);
                const std::vector<std::string>& lines = blocks[index++];
                ASSERT_EQ(lines.size(), 4u);
                check(heaven, person, earth, lines);
            }
}

}  // namespace

TEST(ThreeTalentsText, HoldsEveryCombinationInOrderAsFourLineBlocks) {
    ForEachBlock([](const Element& heaven, const Element& person, const Element& earth,
                    const std::vector<std::string>& lines) {
        EXPECT_EQ(lines[0], heaven.oddDigit + " " + person.oddDigit + " " + earth.oddDigit);
        EXPECT_EQ(lines[1], heaven.name + " " + person.name + " " + earth.name);
        EXPECT_EQ(lines[2], heaven.evenDigit + " " + person.evenDigit + " " + earth.evenDigit);
        EXPECT_TRUE(EndsWithGrade(lines[3])) << lines[3];
    });
}

TEST(ThreeTalentsText, OpensWithAllWood) {
    const auto blocks = Blocks();
    ASSERT_FALSE(blocks.empty());
    ASSERT_EQ(blocks[0].size(), 4u);
    EXPECT_EQ(blocks[0][0], "一 一 一");
    EXPECT_EQ(blocks[0][1], "木 木 木");
    EXPECT_EQ(blocks[0][2], "二 二 二");
    EXPECT_TRUE(blocks[0][3].starts_with("成功顺调，希望达成，基础安定")) << blocks[0][3];
}

// A person nourished from above and below is fortunate; a person overcome
// from both sides is not.
TEST(ThreeTalentsText, GradesFollowGeneratingAndOvercoming) {
    ForEachBlock([](const Element& heaven, const Element& person, const Element& earth,
                    const std::vector<std::string>& lines) {
        if (heaven.generates == person.name && earth.generates == person.name) {
            EXPECT_TRUE(lines[3].ends_with("（吉）")) << lines[3];
        }
        if (Overcomes(heaven) == person.name && Overcomes(earth) == person.name) {
            EXPECT_TRUE(lines[3].ends_with("（凶）")) << lines[3];
        }
    });
}
