#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

TEST(ScoreCommand, PrintsGridsPointsAndScore) {
    // 张 11, 浩 11, 然 12: person 22 凶, earth 23 吉, outer 13 吉, total 34 凶;
    // base 77, born 2016-05-05 adds 13.
    CliResult result = RunCli("score --surname 张 --given 浩然 --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    nlohmann::json score = nlohmann::json::parse(result.out);
    EXPECT_EQ(score["person"], 22);
    EXPECT_EQ(score["earth"], 23);
    EXPECT_EQ(score["outer"], 13);
    EXPECT_EQ(score["total"], 34);
    EXPECT_EQ(score["points"], (nlohmann::json{{"person", 60}, {"earth", 100}, {"outer", 100}, {"total", 65}}));
    EXPECT_EQ(score["base"], 77);
    EXPECT_EQ(score["adjustment"], 13);
    EXPECT_EQ(score["score"], 90);

    CliResult plain = RunCli("score --surname 张 --given 浩然");
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_NE(plain.out.find("人格 22 凶 60分\n"), std::string::npos) << plain.out;
    EXPECT_NE(plain.out.find("得分 90\n"), std::string::npos) << plain.out;
}

TEST(ScoreCommand, BirthLackingAndFixedCharacterEnterTheScore) {
    struct Case {
        std::string arguments;
        int adjustment, score;
    } cases[] = {
        {"--birth 1995-03-20", 10, 87},
        {"--birth 2026-05-05", 13, 90},
        {"--lacking '木  '", 13, 90},                      // neither 浩 nor 然 is 木
        {"--fixed 浩 --position 1", 13, 95},               // 90 earns the bonus
        {"--fixed 浩 --position 1 --lacking '金  '", 13, 100},  // 然 supplies 金
    };
    for (const Case& c : cases) {
        CliResult result = RunCli("score --surname 张 --given 浩然 --json " + c.arguments);
        ASSERT_EQ(result.exitCode, 0) << c.arguments << result.err;
        nlohmann::json score = nlohmann::json::parse(result.out);
        EXPECT_EQ(score["adjustment"], c.adjustment) << c.arguments;
        EXPECT_EQ(score["score"], c.score) << c.arguments;
    }
}

TEST(ScoreCommand, UserErrorsExitWithAMessage) {
    struct Case {
        std::string arguments, message;
    } cases[] = {
        {"--surname ' ' --given 浩然", "请填写姓氏"},
        {"--surname 张 --given 浩然明德", "名字应为1到3个字"},
        {"--surname 张 --given 浩然 --fixed ''", "请填写固定字"},
        {"--surname 张 --given 浩然 --birth 2016-5", "出生日期应写作"},
    };
    for (const Case& c : cases) {
        CliResult result = RunCli("score " + c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << ": " << result.err;
    }
}
