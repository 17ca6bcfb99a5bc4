#include "lookups/CharacterLookups.h"

#include <gtest/gtest.h>

#include <string>

using namespace velorin;

namespace {

struct CountCase {
    const char* character;
    int count;
};

}  // namespace

TEST(GridStrokeCount, CountsTheRadicalInFullThroughTheTraditionalForm) {
    const CountCase cases[] = {
        {"阿", 13}, {"宝", 20}, {"爱", 13}, {"陈", 16}, {"张", 11}, {"張", 11},
        {"王", 4},  {"颃", 13}, {"炜", 13}, {"寶", 20}, {"一", 1},  {"十", 10},
        {"明", 8},  {"李", 7},  {"江", 7},  {"浩", 11}, {"然", 12}, {"涵", 12},
    };
    for (const auto& c : cases) EXPECT_EQ(GridStrokeCount(c.character), c.count) << c.character;
}

TEST(GridStrokeCount, FindsOnlyOneCharacterItHolds) {
    for (const char* text : {"", "A", "欧阳", "张 ", "😀", "\xE5"}) EXPECT_EQ(GridStrokeCount(text), -1) << text;
}

TEST(KangxiStrokeCount, TakesTheLargestCountOfTheTraditionalCandidates) {
    const CountCase cases[] = {
        {"干", 13}, {"万", 15}, {"于", 8}, {"台", 18}, {"卜", 17}, {"周", 15},
        {"陈", 16}, {"陳", 16}, {"张", 11}, {"張", 11}, {"一", 1}, {"麤", 33},
    };
    for (const auto& c : cases) EXPECT_EQ(KangxiStrokeCount(c.character), c.count) << c.character;
}

TEST(KangxiStrokeCount, IsZeroWhenNothingIsFound) {
    for (const char* text : {"", "A", "张王", "😀"}) EXPECT_EQ(KangxiStrokeCount(text), 0) << text;
}

TEST(FallbackStrokeCount, CountsTheWrittenStrokesOfTheFirstCharacter) {
    const CountCase cases[] = {
        {"寶", 20}, {"東", 8}, {"書", 10}, {"愛", 13}, {"鄭", 14}, {"宝", 8}, {"书", 4}, {"阿", 7},
        {"阿宝", 7}, {"A", 0}, {"", 0}, {"A阿", 0}, {"😀", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(FallbackStrokeCount(c.character), c.count) << c.character;
}

TEST(PronunciationElement, GivesTheElementOfTheReadingOrTheOneTraditionFixes) {
    const struct {
        const char* character;
        const char* element;
    } cases[] = {
        // fixed by tradition
        {"张", "火"}, {"刘", "火"}, {"陈", "火"}, {"李", "火"}, {"赵", "火"}, {"宝", "火"},
        {"杨", "木"}, {"黄", "土"}, {"王", "土"}, {"明", "水"}, {"华", "水"}, {"又", "土"},
        // by the initial of the first reading
        {"国", "木"}, {"天", "火"}, {"安", "土"}, {"宇", "土"}, {"思", "金"}, {"然", "金"}, {"子", "水"},
        {"海", "水"}, {"飞", "水"}, {"中", "火"},
        // traditional forms take the element of their simplified form
        {"張", "火"}, {"劉", "火"}, {"陳", "火"}, {"寶", "火"}, {"楊", "木"}, {"黃", "土"},
        // not found
        {"", ""}, {"A", ""}, {"张王", ""}, {"😀", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PronunciationElement(c.character), c.element) << c.character;
}

TEST(ToTraditional, ConvertsCharacterByCharacter) {
    const struct {
        const char* text;
        const char* traditional;
    } cases[] = {
        {"宝东书爱郑", "寶東書愛鄭"}, {"阿明", "阿明"}, {"张", "張"}, {"干", "幹"},
        {"头发", "頭發"},  // no phrase conversion: 发 always takes its first form
        {"Zhang 张, 1", "Zhang 張, 1"}, {"", ""}, {"寶", "寶"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToTraditional(c.text), c.traditional) << c.text;
}

TEST(ToTraditional, LeavesTextThatIsNotUtf8AsItIs) {
    const std::string broken = "\xE5\xAE张\xFF";
    EXPECT_EQ(ToTraditional(broken), broken);
}
