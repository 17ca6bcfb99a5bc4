#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

TEST(StarSignCommand, PrintsTheDateTheSignAndItsDescription) {
    CliResult result = RunCli("starsign 2 30");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("2月30日\n双鱼座\n善良\n\n2月20日～3月20日", 0), 0u) << result.out;
}

TEST(StarSignCommand, JsonNamesTheSignOrLeavesItEmpty) {
    struct Case {
        const char* arguments;
        int month, day;
        const char* sign;
    } cases[] = {{"12 22", 12, 22, "魔蝎座"}, {"4 20", 4, 20, "白羊座"}, {"13 1", 13, 1, ""}};
    for (const Case& c : cases) {
        CliResult result = RunCli(std::string("starsign --json ") + c.arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        nlohmann::json sign = nlohmann::json::parse(result.out);
        EXPECT_EQ(sign["month"], c.month);
        EXPECT_EQ(sign["day"], c.day);
        EXPECT_EQ(sign["sign"], c.sign);
    }
    nlohmann::json outside = nlohmann::json::parse(RunCli("starsign 13 1 --json").out);
    EXPECT_EQ(outside["text"], "13月1日\n\n");
}

TEST(StarSignCommand, RejectsADayThatIsNoNumber) {
    EXPECT_EQ(RunCli("starsign 3 abc").exitCode, 2);
    EXPECT_EQ(RunCli("starsign 3").exitCode, 2);
}
