#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"

TEST(Number81Command, PrintsOneCellPerLine) {
    CliResult result = RunCli("number81 17");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::istringstream lines(result.out);
    std::vector<std::string> cells;
    for (std::string line; std::getline(lines, line);) cells.push_back(line);
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0], "第17数理");
    EXPECT_EQ(cells[1], "半吉");
}

TEST(Number81Command, PrintsJsonWithNamedCells) {
    CliResult result = RunCli("number81 1 --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    nlohmann::json cells = nlohmann::json::parse(result.out);
    EXPECT_EQ(cells["number"], 1);
    EXPECT_EQ(cells["title"], "第1数理");
    EXPECT_EQ(cells["grade"], "吉");
    EXPECT_EQ(cells["career"], "聪明、多学、成功、富贵、名誉、幸福、财帛、进田。");
    EXPECT_EQ(cells["family"], "竹木成林、父母有荫、家庭圆满、子女多孝。");
    EXPECT_EQ(cells["health"], "：“三才”善良者身体安康，可望长寿，否则不遇。");
    EXPECT_TRUE(cells["meaning"].get<std::string>().starts_with("万事万物的基本数。"));
}

TEST(Number81Command, RejectsNumbersOutsideTheTable) {
    for (const char* number : {"0", "82", "-1"}) {
        SCOPED_TRACE(number);
        CliResult result = RunCli(std::string("number81 ") + number);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("1到81"), std::string::npos);
    }
}
