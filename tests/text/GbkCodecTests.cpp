#include "text/GbkCodec.h"

#include <gtest/gtest.h>

using namespace velorin::text;

TEST(GbkCodec, RoundTripsChineseAndAscii) {
    const std::string utf8 = "张浩然\r\nabc　德";
    ConvertedText gbk = Utf8ToGbk(utf8);
    ASSERT_TRUE(gbk.valid);
    EXPECT_EQ(gbk.text.substr(0, 2), "\xD5\xC5");  // 张
    EXPECT_EQ(gbk.text.size(), 3 * 2 + 2 + 3 + 2 + 2);
    ConvertedText back = GbkToUtf8(gbk.text);
    EXPECT_TRUE(back.valid);
    EXPECT_EQ(back.text, utf8);
}

TEST(GbkCodec, MarksInvalidBytesAndSaysSo) {
    ConvertedText result = GbkToUtf8("\xD5\xC5\x81" " a");
    EXPECT_FALSE(result.valid);
    EXPECT_EQ(result.text.substr(0, 3), "张");
    EXPECT_NE(result.text.find("\uFFFD"), std::string::npos);
    EXPECT_EQ(result.text.back(), 'a');
}

TEST(GbkCodec, ReportsCharactersGbkCannotHold) {
    EXPECT_FALSE(Utf8ToGbk("张😀").valid);
    EXPECT_TRUE(GbkToUtf8("").valid);
}
