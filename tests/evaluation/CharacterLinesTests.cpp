#include "evaluation/CharacterLines.h"

#include <gtest/gtest.h>

namespace velorin {
namespace {

TEST(SplitCharacters, GivesEachCharacterAndNothingForBlanks) {
    EXPECT_EQ(SplitCharacters("歐陽"), (std::vector<std::string>{"歐", "陽"}));
    EXPECT_EQ(SplitCharacters("A張"), (std::vector<std::string>{"A", "張"}));
    EXPECT_TRUE(SplitCharacters("").empty());
    EXPECT_TRUE(SplitCharacters("  \u3000").empty());
}

TEST(CharacterLines, JoinEachCharactersValueByDashes) {
    struct Case {
        const char* text;
        const char* strokes;
        const char* elements;
    } cases[] = {
        {"歐陽", "15-17", "土-土"},
        {"張", "11", "火"},
        {"", "", ""},
        // A character the tables lack keeps its place: 0 strokes, no element.
        {"張A陽", "11-0-17", "火--土"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharacterStrokesText(c.text), c.strokes) << c.text;
        EXPECT_EQ(CharacterElementsText(c.text), c.elements) << c.text;
    }
}

}  // namespace
}  // namespace velorin
