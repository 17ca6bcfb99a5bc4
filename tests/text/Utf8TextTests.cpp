#include "text/Utf8Text.h"

#include <gtest/gtest.h>

using namespace velorin::text;
using Pieces = std::vector<std::string>;

TEST(Utf8Text, CountsAndCutsByCharacter) {
    EXPECT_EQ(Length("张a浩然"), 4u);
    EXPECT_EQ(Length(""), 0u);
    EXPECT_EQ(Left("张浩然", 2), "张浩");
    EXPECT_EQ(Left("张", 5), "张");
    EXPECT_EQ(Right("张浩然", 2), "浩然");
    EXPECT_EQ(Right("张浩然", 9), "张浩然");
    EXPECT_EQ(Middle("张a浩然", 2, 2), "a浩");
    EXPECT_EQ(Middle("张浩然", 3, 5), "然");
    EXPECT_EQ(Middle("张浩然", 7, 1), "");
    EXPECT_EQ(First("张浩然"), "张");
    EXPECT_EQ(Last("张浩然"), "然");
    EXPECT_EQ(Last(""), "");
    EXPECT_EQ(Characters("a张"), (Pieces{"a", "张"}));
}

TEST(Utf8Text, FindsOnCharacterBoundariesOnly) {
    EXPECT_EQ(Find("张浩然浩", "浩"), 2u);
    EXPECT_EQ(Find("张浩然浩", "浩", 3), 4u);
    EXPECT_EQ(Find("张浩然", "王"), 0u);
    EXPECT_EQ(Find("abc", ""), 1u);
    // The tail byte of 张 (E5 BC A0) followed by "a" must not match "\xA0a".
    EXPECT_EQ(Find("张a", "\xA0" "a"), 0u);
}

TEST(Utf8Text, SplitsByTheSeparatorRule) {
    struct Case {
        std::string text, separator;
        Pieces pieces;
    } cases[] = {
        {"a---b---c", "---", {"a", "b", "c"}},
        {"a------b", "---", {"a", "", "b"}},
        {"a---b---", "---", {"a", "b"}},
        {"---a", "---", {"", "a"}},
        {" a \r\nb", "\r\n", {" a ", "b"}},
        {"", "\r\n", {}},
        {"第1数理", "***", {"第1数理"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Split(c.text, c.separator), c.pieces) << c.text;
}

TEST(Utf8Text, ReplacesInOneLeftToRightPass) {
    EXPECT_EQ(ReplaceAll("a\r\n\r\n\r\nb", "\r\n\r\n", "\r\n"), "a\r\n\r\nb");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("张]]", "]", ""), "张");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(Utf8Text, TrimsAsciiAndFullWidthBlanks) {
    EXPECT_EQ(TrimBlanks("\u3000 张 \u3000"), "张");
    EXPECT_EQ(TrimBlanks("  张 三 "), "张 三");
    EXPECT_EQ(TrimBlanks("\u3000\u3000"), "");
    EXPECT_EQ(TrimBlanks("\r\n张\r\n"), "\r\n张\r\n");
}

TEST(Utf8Text, RecognisesExactlyOneCharacter) {
    EXPECT_TRUE(IsOneCharacter("张"));
    EXPECT_TRUE(IsOneCharacter("a"));
    EXPECT_FALSE(IsOneCharacter(""));
    EXPECT_FALSE(IsOneCharacter("张三"));
    EXPECT_FALSE(IsOneCharacter("\xE5\xBC"));
}
