// Properties of the carried character tables as a whole, and their agreement
// with the generator that writes them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "../../bench/LinearScanLookups.h"
#include "embedded/FallbackStrokeTable.h"
#include "embedded/GridStrokeTable.h"
#include "embedded/KangxiStrokeLists.h"
#include "embedded/PronunciationElementLists.h"
#include "lookups/CharacterIndex.h"
#include "lookups/CharacterLookups.h"
#include "lookups/PinyinTable.h"
#include "text/GbkCodec.h"
#include "text/IntegerText.h"
#include "text/Utf8Text.h"

using namespace velorin;

namespace {

constexpr std::size_t kGbkChineseCharacters = 20923;

// The 6,763 characters of GB2312, which every name the program meets uses.
std::vector<std::string> Gb2312Characters() {
    std::vector<std::string> characters;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA) continue;  // unassigned
            const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
            characters.push_back(text::GbkToUtf8(std::string_view(bytes, 2)).text);
        }
    }
    return characters;
}

// The carried lists as key -> characters, in the order of the text.
std::vector<std::pair<std::string, std::vector<std::string>>> ParseLists(std::string_view lists) {
    std::vector<std::pair<std::string, std::vector<std::string>>> parsed;
    for (const std::string& line : text::Split(lists, "\n")) {
        std::size_t space = line.find(' ');
        parsed.emplace_back(line.substr(0, space), text::Characters(line.substr(space + 1)));
    }
    return parsed;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool CommandExists(const std::string& command) {
    return std::system(("command -v " + command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

TEST(CarriedTables, EveryGb2312CharacterHasCountsAnElementAndAReading) {
    const auto characters = Gb2312Characters();
    ASSERT_EQ(characters.size(), 6763u);
    for (const std::string& c : characters) {
        EXPECT_GE(GridStrokeCount(c), 1) << c;
        EXPECT_GE(KangxiStrokeCount(c), 1) << c;
        EXPECT_GE(FallbackStrokeCount(c), 1) << c;
        EXPECT_FALSE(PronunciationElement(c).empty()) << c;
        EXPECT_FALSE(CarriedFirstReading(c).empty()) << c;
    }
}

TEST(CarriedTables, HoldEachGbkCharacterOnce) {
    const std::string_view grid = embedded::GridStrokeTable();
    EXPECT_EQ(IndexTwoDigitCounts(grid).size(), kGbkChineseCharacters);
    EXPECT_EQ(text::Length(grid), 4 * kGbkChineseCharacters + 1);  // "阿13 " each, then a line break

    const std::string_view fallback = embedded::FallbackStrokeTable();
    EXPECT_EQ(IndexCommaCounts(fallback).size(), kGbkChineseCharacters);
    EXPECT_EQ(std::count(fallback.begin(), fallback.end(), ','), static_cast<long>(kGbkChineseCharacters));

    EXPECT_EQ(IndexKeyedRuns(embedded::KangxiStrokeLists()).size(), kGbkChineseCharacters);
}

TEST(CarriedTables, StrokeListsRiseSoTheLastMatchIsTheLargestCount) {
    int previous = 0;
    for (const auto& [key, characters] : ParseLists(embedded::KangxiStrokeLists())) {
        const int count = text::TextToInteger(key);
        EXPECT_GT(count, previous) << key;
        EXPECT_FALSE(characters.empty()) << key;
        previous = count;
    }
}

TEST(CarriedTables, ElementListsAreDisjointAndBeginWithTheTraditionalAssignments) {
    const std::map<std::string, std::string> beginnings = {
        {"土", "又一乙己山土丸兀丫也尢于厄切王"},
        {"木", "干工弓丌及孑巾久口廿乞彡已卞丐公勾介今斤"},
        {"火", "刁丁二力了彳大孓女勺巳乇幺弋丈尺丹吊仃斗"},
        {"水", "勹卜乜凡亡下子巴比不歹反方分夫父互户化幻"},
        {"金", "匕刀人入厶才"},
    };
    const auto lists = ParseLists(embedded::PronunciationElementLists());
    std::vector<std::string> order;
    std::set<std::string> seen;
    for (const auto& [element, characters] : lists) {
        order.push_back(element);
        std::string run;
        for (const std::string& c : characters) {
            run += c;
            EXPECT_TRUE(seen.insert(c).second) << c << " stands in more than one list";
        }
        EXPECT_TRUE(run.starts_with(beginnings.at(element))) << element;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"土", "木", "火", "水", "金"}));
}

TEST(CarriedTables, EqualWhatTheGeneratorWrites) {
    const std::filesystem::path source = VELORIN_SOURCE_DIR;
    if (!CommandExists("python3") || !CommandExists("opencc_dict") ||
        !std::filesystem::exists("/usr/share/unicode/Unihan_Readings.txt.bz2") ||
        !std::filesystem::exists("/usr/share/opencc/STCharacters.ocd2")) {
        GTEST_SKIP() << "python3, opencc or unicode-data is not installed";
    }
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() / ("velorin-tables-" + std::to_string(getpid()));
    std::filesystem::create_directories(output);
    const std::string command =
        "python3 '" + (source / "tools/generate_tables.py").string() + "' --output '" + output.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"GridStrokeTable.txt", "KangxiStrokeLists.txt", "FallbackStrokeTable.txt",
                             "PronunciationElementLists.txt", "PinyinTable.txt"}) {
        EXPECT_TRUE(ReadFile(output / name) == ReadFile(source / "data" / name)) << name << " differs";
    }
    std::filesystem::remove_all(output);
}

TEST(CarriedTables, IndexesAnswerAsAScanOfTheTextWould) {
    const auto characters = Gb2312Characters();
    for (std::size_t i = 0; i < characters.size(); i += 61) {
        const std::string& c = characters[i];
        EXPECT_EQ(GridStrokeCount(c), LinearGridStrokeCount(c)) << c;
        EXPECT_EQ(KangxiStrokeCount(c), LinearKangxiStrokeCount(c)) << c;
        EXPECT_EQ(FallbackStrokeCount(c), LinearFallbackStrokeCount(c)) << c;
        EXPECT_EQ(PronunciationElement(c), LinearPronunciationElement(c)) << c;
        EXPECT_EQ(CarriedFirstReading(c), LinearFirstReading(c)) << c;
    }
}
