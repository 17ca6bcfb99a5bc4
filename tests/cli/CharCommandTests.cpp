#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "CliRunner.h"
#include "JsonLines.h"

TEST(CharCommand, DescribesEachCharacterAsJson) {
    CliResult result = RunCli("char 张宝A --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto objects = JsonLines(result.out);
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0], nlohmann::json({{"char", "张"}, {"grid", 11}, {"kangxi", 11}, {"fallback", 7},
                                          {"element", "火"}, {"traditional", "張"}, {"pinyin", "zhāng"}}));
    EXPECT_EQ(objects[1]["grid"], 20);
    EXPECT_EQ(objects[1]["traditional"], "寶");
    EXPECT_EQ(objects[2], nlohmann::json({{"char", "A"}, {"grid", -1}, {"kangxi", 0}, {"fallback", 0},
                                          {"element", ""}, {"traditional", "A"}, {"pinyin", ""}}));
}

TEST(CharCommand, PrintsOneLinePerCharacter) {
    CliResult result = RunCli("char 干");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "char=干 grid=13 kangxi=13 fallback=3 element=木 traditional=幹 pinyin=gàn\n");
}

TEST(CharCommand, RejectsEmptyAndBrokenText) {
    for (const char* argument : {"''", "\"$(printf '\\345\\256')\""}) {
        SCOPED_TRACE(argument);
        CliResult result = RunCli(std::string("char ") + argument);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
}

TEST(CharCommand, WithoutTheConversionFileKeepsTheCharacterAsTyped) {
    // A program copied without its conversion configuration still answers;
    // only the traditional form falls back to the character itself.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("velorin-bare-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(VELORIN_BINARY_DIR) / "velorin-cli", folder / "velorin-cli",
                               std::filesystem::copy_options::overwrite_existing);
    const std::string out = (folder / "out.json").string();
    const std::string command = (folder / "velorin-cli").string() + " char 宝 --json >" + out;
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto objects = JsonLines(ReadAll(out));
    std::filesystem::remove_all(folder);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0]["traditional"], "宝");
    EXPECT_EQ(objects[0]["grid"], 20);
}
