#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

TEST(EvaluateCommand, JsonHoldsTheScoreAndEveryLineWithItsColour) {
    // 张伟: base 70; born 1990-01-01 adds 22; the chart lacks nothing.
    CliResult result = RunCli("evaluate --surname 张 --given 伟 --birth 1990-01-01T05 --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    nlohmann::json report = nlohmann::json::parse(result.out);
    EXPECT_EQ(report["score"], 92);
    const nlohmann::json& lines = report["lines"];
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], (nlohmann::json{{"text", "名字总分（仅供参考）：92\n"}, {"colour", "#ff0000"}}));
    EXPECT_EQ(lines[1]["colour"], "#ff00ff");
    EXPECT_EQ(lines[2], (nlohmann::json{{"text", "姓名：张伟\n"}, {"colour", "#0000ff"}}));
    EXPECT_EQ(lines[6]["text"], "四柱：己巳年 丙子月 丙寅日 辛卯时\n");
    // The star sign is the birthday's.
    EXPECT_EQ(lines[31]["text"].get<std::string>().rfind("1月1日\n魔蝎座\n", 0), 0u);
}

TEST(EvaluateCommand, PrintsPlainLinesWhenNotWritingToATerminal) {
    CliResult result = RunCli("evaluate --surname 张 --given 伟 --birth 1990-01-01T05");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("名字总分（仅供参考）：92\n-----", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("\n名字音韵：zhāng—wěi\n"), std::string::npos);
    EXPECT_EQ(result.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
}

TEST(EvaluateCommand, UserErrorsExitWithAMessage) {
    struct Case {
        std::string arguments, message;
    } cases[] = {{"--surname ' ' --given 伟", "请填写姓氏"},
                 {"--surname 张 --given ''", "请填写名字"},
                 {"--surname 张 --given 伟 --birth 1990/01/01", "出生日期应写作"}};
    for (const Case& c : cases) {
        CliResult result = RunCli("evaluate " + c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << result.err;
    }
    EXPECT_EQ(RunCli("evaluate --surname 张").exitCode, 2);
}

TEST(EvaluateCommand, ANameThatIsNotUtf8StillGetsItsReport) {
    CliResult result = RunCli("evaluate --surname \"$(printf '\\377')\" --given 伟 --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["lines"][2]["text"], "姓名：\xEF\xBF\xBD伟\n");
}
