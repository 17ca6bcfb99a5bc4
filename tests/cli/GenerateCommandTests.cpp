#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <regex>
#include <sstream>

#include "CliRunner.h"

namespace {

// A library file written for the test (UTF-8 is read as well as GBK).
class FixtureLibrary {
public:
    explicit FixtureLibrary(const std::string& content) {
        static int counter = 0;
        path_ = (std::filesystem::temp_directory_path() /
                 ("velorin-cli-library-" + std::to_string(getpid()) + "-" + std::to_string(++counter)))
                    .string();
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~FixtureLibrary() { std::filesystem::remove(path_); }
    std::string Option() const { return " --library " + path_; }

private:
    std::string path_;
};

nlohmann::json RunJson(const std::string& arguments) {
    CliResult result = RunCli("generate --json " + arguments);
    EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
    return result.exitCode == 0 ? nlohmann::json::parse(result.out) : nlohmann::json();
}

}  // namespace

TEST(GenerateCommand, PrintsEachListedNameWithItsScore) {
    FixtureLibrary library("浩\r\n然\r\n明\r\n");
    CliResult result = RunCli("generate --surname 张 --count 1 --seed 1" + library.Option());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::istringstream lines(result.out);
    std::set<std::string> names;
    const std::regex form(R"(张(浩|然|明)\[-?\d+分\])");
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(std::regex_match(line, form)) << line;
        names.insert(line);
    }
    EXPECT_EQ(names.size(), 3u);
}

TEST(GenerateCommand, JsonTellsHowTheRunEnded) {
    FixtureLibrary library("浩\n然\n明\n");
    nlohmann::json repeats = RunJson("--surname 张 --count 1 --seed 1" + library.Option());
    EXPECT_EQ(repeats["ended"], "repeats");
    EXPECT_EQ(repeats["names"].size(), 3u);
    EXPECT_GE(repeats["tried"].get<int>(), 504);
    EXPECT_TRUE(repeats["lacking"].is_string());

    nlohmann::json limited = RunJson("--surname 张 --names 20 --seed 1" + library.Option());
    EXPECT_EQ(limited["ended"], "limit");
    EXPECT_EQ(limited["tried"], 20);
}

TEST(GenerateCommand, SeedRepeatsARunAndInputsShapeTheNames) {
    FixtureLibrary library("浩\n然\n明\n轩\n宇\n子\n涵\n博\n");
    const std::string run = "--surname 张 --names 30 --fixed 德 --position 1 --threshold 90" + library.Option();
    nlohmann::json first = RunJson(run + " --seed 5");
    nlohmann::json again = RunJson(run + " --seed 5");
    EXPECT_EQ(first["names"], again["names"]);
    ASSERT_FALSE(first["names"].empty());
    for (const nlohmann::json& name : first["names"]) {
        const std::string given = name["given"];
        EXPECT_EQ(given.rfind("德", 0), 0u) << given;
        EXPECT_EQ(name["name"], "张" + given);
        EXPECT_EQ(name["candidate"], name["score"].get<int>() >= 90) << name;
    }
}

TEST(GenerateCommand, ASurnameThatIsNotUtf8IsEchoedWithReplacementMarks) {
    FixtureLibrary library("浩\n");
    nlohmann::json result = RunJson("--surname \"$(printf '\\377')\" --count 1 --names 1" + library.Option());
    ASSERT_EQ(result["names"].size(), 1u);
    EXPECT_EQ(result["names"][0]["name"], "\uFFFD浩");
}

TEST(GenerateCommand, UserErrorsExitWithTheRunsMessages) {
    FixtureLibrary library("浩\n");
    FixtureLibrary empty(" \r\n\r\n");
    struct Case {
        std::string arguments, message;
    } cases[] = {
        {"--surname 张 --fixed ''" + library.Option(), "请填写固定字"},
        {"--surname ' '" + library.Option(), "请填写姓氏"},
        {"--surname 张 --sex 女 --library /nonexistent/zw.fne", "字库女不存在 无法生成"},
        {"--surname 张" + empty.Option(), "字库男为空 无法生成"},
        {"--surname 张 --birth 2016-05" + library.Option(), "出生日期应写作"},
    };
    for (const Case& c : cases) {
        CliResult result = RunCli("generate " + c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << c.arguments;
    }
}
