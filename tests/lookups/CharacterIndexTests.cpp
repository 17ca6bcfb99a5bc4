#include "lookups/CharacterIndex.h"

#include <gtest/gtest.h>

using namespace velorin;

TEST(CharacterIndex, TwoDigitCountsKeepTheFirstEntryOfACharacter) {
    const auto index = IndexTwoDigitCounts("哎 8 阿13 哎11 王4  啊16\n");
    EXPECT_EQ(index.size(), 4u);
    EXPECT_EQ(ValueOf(index, "哎", -1), 8);
    EXPECT_EQ(ValueOf(index, "王", -1), 4);
    EXPECT_EQ(ValueOf(index, "啊", -1), 16);
    EXPECT_EQ(ValueOf(index, "书", -1), -1);
    EXPECT_EQ(ValueOf(index, "", -1), -1);
    EXPECT_EQ(ValueOf(index, "阿13", -1), -1);
}

TEST(CharacterIndex, CommaCountsReadUpToTheComma) {
    const auto index = IndexCommaCounts("卝4,寶20,𠀀5,龘48");  // the last entry lost its comma
    EXPECT_EQ(ValueOf(index, "卝", 0), 4);
    EXPECT_EQ(ValueOf(index, "寶", 0), 20);
    EXPECT_EQ(ValueOf(index, "𠀀", 0), 5);
    EXPECT_EQ(ValueOf(index, "龘", 0), 48);
}

TEST(CharacterIndex, KeyedRunsGiveTheLastLineHoldingACharacter) {
    const auto index = IndexKeyedRuns("3 干工\n11 乾干\n13 干\n");
    EXPECT_EQ(ValueOf(index, "干"), "13");
    EXPECT_EQ(ValueOf(index, "乾"), "11");
    EXPECT_EQ(ValueOf(index, "工"), "3");
    EXPECT_EQ(ValueOf(index, "3"), "");
}

TEST(CharacterIndex, ReadingsRunToTheNextCharacter) {
    // Toned letters are one to three bytes long, some with a combining mark;
    // none of them may be taken for the next entry.
    const auto index = IndexReadings("张zhāng,zhàng,呣ḿ,m̀,欸ế,ê̄,么me,𠀀qiū\n");
    EXPECT_EQ(ValueOf(index, "张"), "zhāng,zhàng,");
    EXPECT_EQ(ValueOf(index, "呣"), "ḿ,m̀,");
    EXPECT_EQ(ValueOf(index, "欸"), "ế,ê̄,");
    EXPECT_EQ(ValueOf(index, "么"), "me,");
    EXPECT_EQ(ValueOf(index, "𠀀"), "qiū");
    EXPECT_EQ(index.size(), 5u);
}
