#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "embedded/HelpText.h"
#include "text/Utf8Text.h"

namespace {

std::vector<std::string> HelpLines() { return velorin::text::Split(velorin::embedded::HelpText(), "\r\n"); }

bool IsTipsDivider(const std::string& line) {
    const std::string title = "取名技巧";
    const std::size_t at = line.find(title);
    if (at == std::string::npos || at == 0) return false;
    const std::string before = line.substr(0, at);
    const std::string after = line.substr(at + title.size());
    return before == after && before.find_first_not_of('-') == std::string::npos;
}

}  // namespace

TEST(HelpText, AnswersTheQuestionAboutStoppingFirst) {
    const std::vector<std::string> lines = HelpLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "问：我都生成名字好久了，怎么还不停止呢？什么时候能停止呢？");
    EXPECT_TRUE(lines[1].starts_with("答：")) << lines[1];
    EXPECT_NE(lines[1].find("“停  止”"), std::string::npos) << lines[1];
}

TEST(HelpText, DividesTheAnswerFromThreeNamingTips) {
    const std::vector<std::string> lines = HelpLines();
    std::size_t divider = 0;
    while (divider < lines.size() && !IsTipsDivider(lines[divider])) ++divider;
    ASSERT_LT(divider, lines.size()) << "no divider line of hyphens around 取名技巧";
    std::vector<std::string> tips;
    for (std::size_t i = divider + 1; i < lines.size(); ++i)
        if (!lines[i].empty()) tips.push_back(lines[i]);
    ASSERT_EQ(tips.size(), 3u);
    EXPECT_TRUE(tips[0].starts_with("一、"));
    EXPECT_TRUE(tips[1].starts_with("二、"));
    EXPECT_TRUE(tips[2].starts_with("三、"));
}

TEST(HelpText, BreaksLinesWithCarriageReturnAndLineFeed) {
    const std::string_view text = velorin::embedded::HelpText();
    for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
        EXPECT_TRUE(at > 0 && text[at - 1] == '\r') << "bare line feed at byte " << at;
}
