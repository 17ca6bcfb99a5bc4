#include "generation/GenerationRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <unistd.h>

#include "birthchart/ElementBalance.h"
#include "generation/NameScore.h"
#include "text/GbkCodec.h"
#include "text/Utf8Text.h"

using namespace velorin;
namespace fs = std::filesystem;

namespace {

// A run directory of its own for each test, with the libraries it writes.
class LibraryFolder {
public:
    LibraryFolder() {
        static int counter = 0;
        path_ = fs::temp_directory_path() /
                ("velorin-generation-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
        fs::create_directories(path_);
    }
    ~LibraryFolder() { fs::remove_all(path_); }
    // Writes the entries as the libraries are shipped: GBK, one per line.
    void Write(const std::string& name, const std::vector<std::string>& entries) const {
        std::string content;
        for (const std::string& entry : entries) content += entry + "\r\n";
        WriteBytes(name, text::Utf8ToGbk(content).text);
    }
    void WriteBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string Path() const { return path_.string(); }

private:
    fs::path path_;
};

// The window's side of a run, with inputs fixed unless a test changes them
// between names.
struct RecordingControls : GenerationControls {
    NameSettings settings;
    struct Listed {
        std::string fullName, surname, givenName;
        int score;
        bool candidate;
        int madeBefore;  // names made before this one was listed
    };
    std::vector<Listed> listed;
    int settingsRead = 0;
    int stopAfter = -1;                      // names made; -1 never
    std::function<void(int)> betweenNames;   // what the user does during the pending events

    NameSettings CurrentSettings() override {
        ++settingsRead;
        return settings;
    }
    void ListName(const ListedName& name) override {
        listed.push_back({std::string(name.fullName), std::string(name.surname), std::string(name.givenName),
                          name.score, name.candidate, settingsRead - 1});
    }
    bool StopRequested() override { return settingsRead == stopAfter; }
    void ProcessPendingEvents(int namesMade) override {
        if (betweenNames) betweenNames(namesMade);
    }
    std::set<std::string> Givens() const {
        std::set<std::string> givens;
        for (const Listed& name : listed) givens.insert(name.givenName);
        return givens;
    }
};

PreparedRun FixtureRun(std::vector<std::string> library, int nameLimit = 5000) {
    PreparedRun run;
    run.surname = "张";
    run.library = std::move(library);
    run.seed = 7;
    run.nameLimit = nameLimit;
    return run;
}

const std::vector<std::string> kCommon = {"浩", "然", "明", "轩", "宇", "子", "涵", "博", "文", "思", "嘉", "睿"};

}  // namespace

TEST(GenerationStart, ChecksInTheirOrderWithTheirMessages) {
    LibraryFolder folder;
    folder.Write("zw.fne", {"丽"});
    folder.WriteBytes("zm.fne", " \r\n\r\n");  // exists, but holds no entry
    struct Case {
        const char* what;
        bool ticked;
        std::string fixed, surname, sex;
        std::string message;
        bool icon, fixedUsed, cleared;
    } cases[] = {
        {"fixed character empty", true, "", "", "男", "请填写固定字", true, true, false},
        {"surname empty", true, "德", "", "男", "请填写姓氏", true, true, false},
        {"surname blank", false, "", " \u3000 ", "女", "请填写姓氏", true, false, false},
        {"boys' library empty", false, "", "张", "男", "字库男为空 无法生成", false, false, true},
        {"girls' library fine", false, "", "张", "女", "", false, false, true},
    };
    for (const Case& c : cases) {
        GenerationRequest request;
        request.fixedCharacterTicked = c.ticked;
        request.fixedCharacter = c.fixed;
        request.surname = c.surname;
        request.sex = c.sex;
        request.libraryDirectory = folder.Path();
        GenerationStart start = StartGeneration(request);
        EXPECT_EQ(start.message.has_value(), !c.message.empty()) << c.what;
        if (start.message) {
            EXPECT_EQ(start.message->text, c.message) << c.what;
            EXPECT_EQ(start.message->informationIcon, c.icon) << c.what;
        }
        EXPECT_EQ(start.fixedCharacterUsed, c.fixedUsed) << c.what;
        EXPECT_EQ(start.clearResultList, c.cleared) << c.what;
        EXPECT_EQ(start.chartMoment.has_value(), c.cleared) << c.what;
    }
}

TEST(GenerationStart, MissingLibraryOfEitherSex) {
    LibraryFolder folder;
    for (auto [sex, message] : {std::pair{"男", "字库男不存在 无法生成"}, std::pair{"女", "字库女不存在 无法生成"}}) {
        GenerationRequest request;
        request.surname = "张";
        request.sex = sex;
        request.libraryDirectory = folder.Path();
        GenerationStart start = StartGeneration(request);
        ASSERT_TRUE(start.message);
        EXPECT_EQ(start.message->text, message);
        EXPECT_FALSE(start.message->informationIcon);
        EXPECT_TRUE(start.clearResultList);
    }
}

TEST(GenerationStart, PreparesTheRunFromTheRequest) {
    LibraryFolder folder;
    folder.WriteBytes("mine.txt", "\xEF\xBB\xBF浩\n然\n");
    GenerationRequest request;
    request.surname = "  张\u3000";
    request.fixedCharacter = " 德";
    request.year = 1995, request.month = 8, request.day = 20, request.hour = 23;
    request.libraryFile = folder.Path() + "/mine.txt";
    request.seed = 42;
    request.nameLimit = 10;
    GenerationStart start = StartGeneration(request);
    ASSERT_FALSE(start.message);
    EXPECT_EQ(start.run.surname, "张");
    EXPECT_EQ(start.run.fixedCharacter, " 德");
    EXPECT_EQ(start.run.library, (std::vector<std::string>{"浩", "然"}));
    EXPECT_EQ(start.run.seed, 42u);
    EXPECT_EQ(start.run.nameLimit, 10);
    const DateTime moment = DateTime::FromParts(1995, 8, 20, 23);
    EXPECT_EQ(start.chartMoment, moment);
    EXPECT_EQ(start.run.lackingText, ElementBalanceOf(moment).lackingText);
    EXPECT_EQ(start.run.lackingElement, text::First(start.run.lackingText));
}

TEST(GenerationStart, SeedNumberJoinsTheBirthDate) {
    EXPECT_EQ(BirthDateSeedNumber(2016, 5, 5), 201655);
    EXPECT_EQ(BirthDateSeedNumber(1995, 12, 31), 19951231);
    EXPECT_EQ(BirthDateSeedNumber(0, 0, 0), 0);
}

TEST(GenerationRun, SexChoosesTheLibrary) {
    LibraryFolder folder;
    folder.Write("zm.fne", {"刚"});
    folder.Write("zw.fne", {"丽"});
    for (auto [sex, given] : {std::pair{"男", "刚"}, std::pair{"女", "丽"}, std::pair{"", "丽"}}) {
        GenerationRequest request;
        request.surname = "张";
        request.sex = sex;
        request.libraryDirectory = folder.Path();
        GenerationStart start = StartGeneration(request);
        ASSERT_FALSE(start.message) << sex;
        RecordingControls controls;
        controls.settings.givenCount = 1;
        GenerateNames(start.run, controls);
        ASSERT_EQ(controls.listed.size(), 1u) << sex;
        EXPECT_EQ(controls.listed[0].givenName, given) << sex;
    }
}

TEST(GenerationRun, PlacesTheFixedCharacterAtItsPosition) {
    struct Case {
        int count, position;
        std::string fixed;
        std::size_t at;  // character position of the fixed character in the given name, 0 none
    } cases[] = {
        {2, 1, "德", 1}, {2, 2, "德", 2}, {2, 3, "德", 2},
        {3, 1, "德", 1}, {3, 2, "德", 2}, {3, 3, "德", 3},
        {1, 1, "德", 0},  // one character: drawn, never fixed
        {2, 1, " 德", 1},  // typed with a leading space, and kept so
    };
    for (const Case& c : cases) {
        PreparedRun run = FixtureRun(kCommon, 50);
        run.fixedCharacter = c.fixed;
        RecordingControls controls;
        controls.settings.givenCount = c.count;
        controls.settings.fixedCharacterTicked = true;
        controls.settings.fixedPosition = c.position;
        GenerateNames(run, controls);
        ASSERT_FALSE(controls.listed.empty());
        for (const auto& name : controls.listed) {
            const std::size_t drawn = static_cast<std::size_t>(c.count) - (c.at ? 1 : 0);
            EXPECT_EQ(text::Length(name.givenName), drawn + (c.at ? text::Length(c.fixed) : 0)) << name.givenName;
            if (c.at) EXPECT_EQ(text::Find(name.givenName, c.fixed), c.at) << name.givenName;
            else EXPECT_EQ(text::Find(name.givenName, c.fixed), 0u) << name.givenName;
            EXPECT_EQ(name.fullName, "张" + name.givenName);
            EXPECT_EQ(name.surname, "张");
        }
    }
}

TEST(GenerationRun, BoxTickedWithoutAFixedCharacterDrawsWholeNames) {
    // The box was not ticked at the start, so no character was taken; ticking
    // it during the run must not leave a gap in the names or earn the bonus.
    RecordingControls unticked, ticked;
    ticked.settings.fixedCharacterTicked = true;
    GenerateNames(FixtureRun(kCommon, 30), unticked);
    GenerateNames(FixtureRun(kCommon, 30), ticked);
    ASSERT_EQ(ticked.listed.size(), unticked.listed.size());
    for (std::size_t i = 0; i < ticked.listed.size(); ++i) {
        EXPECT_EQ(text::Length(ticked.listed[i].givenName), 2u);
        EXPECT_EQ(ticked.listed[i].fullName, unticked.listed[i].fullName);
        EXPECT_EQ(ticked.listed[i].score, unticked.listed[i].score);
    }
}

TEST(GenerationRun, EndsAfterMoreThanFiveHundredRepeatsInARow) {
    // Three entries, one character: three names, then nothing but repeats.
    PreparedRun run = FixtureRun({"浩", "然", "明"});
    RecordingControls controls;
    controls.settings.givenCount = 1;
    GenerationOutcome outcome = GenerateNames(run, controls);
    EXPECT_EQ(outcome.ended, GenerationEnd::Repeats);
    ASSERT_EQ(controls.listed.size(), 3u);
    EXPECT_EQ(outcome.namesMade - (controls.listed.back().madeBefore + 1), 501);

    // A repeat before the last new name raises the count rather than
    // resetting it: with one entry the run ends after exactly 1 + 501 names.
    RecordingControls single;
    single.settings.givenCount = 1;
    outcome = GenerateNames(FixtureRun({"浩"}), single);
    EXPECT_EQ(outcome.ended, GenerationEnd::Repeats);
    EXPECT_EQ(outcome.namesMade, 502);
    EXPECT_EQ(single.listed.size(), 1u);
}

TEST(GenerationRun, ListsEachNameOnceUpToTheLimit) {
    RecordingControls controls;
    GenerationOutcome outcome = GenerateNames(FixtureRun(kCommon, 300), controls);
    EXPECT_EQ(outcome.ended, GenerationEnd::Limit);
    EXPECT_EQ(outcome.namesMade, 300);
    std::set<std::string> names;
    for (const auto& name : controls.listed) EXPECT_TRUE(names.insert(name.fullName).second) << name.fullName;
    // Twelve entries make 144 two-character names; 300 draws repeat some.
    EXPECT_LT(controls.listed.size(), 300u);
}

TEST(GenerationRun, CandidatesReachTheThreshold) {
    // One name, with a birth year chosen to land it exactly on the score
    // wanted: up to 1980 each year earlier takes one point off.
    NameScoreInputs name;
    name.surname = "张";
    name.givenCount = 1;
    name.picks = {"正"};
    name.givenName = "正";
    name.year = 1970, name.month = 6, name.day = 15;  // adjustment 3
    const int base = ScoreGeneratedName(name).score - 3;
    ASSERT_GT(base, 62);
    struct Case {
        int score;
        bool ticked, candidate;
    } cases[] = {{75, true, true}, {74, true, false}, {75, false, false}};
    for (const Case& c : cases) {
        RecordingControls controls;
        controls.settings = {1, false, 1, 1970 + (c.score - 3 - base), 6, 15, c.ticked, 75};
        GenerateNames(FixtureRun({"正"}), controls);
        ASSERT_EQ(controls.listed.size(), 1u);
        EXPECT_EQ(controls.listed[0].score, c.score);
        EXPECT_EQ(controls.listed[0].candidate, c.candidate) << c.score << " " << c.ticked;
    }
}

TEST(GenerationRun, ChangesDuringARunTakeEffectFromTheNextName) {
    RecordingControls controls;
    controls.betweenNames = [&](int namesMade) {
        if (namesMade == 1) controls.settings.givenCount = 3;
    };
    GenerateNames(FixtureRun(kCommon, 5), controls);
    ASSERT_GE(controls.listed.size(), 2u);
    EXPECT_EQ(text::Length(controls.listed[0].givenName), 2u);
    EXPECT_EQ(text::Length(controls.listed[1].givenName), 3u);
}

TEST(GenerationRun, StopEndsAfterTheNameInProgress) {
    RecordingControls controls;
    controls.stopAfter = 4;
    GenerationOutcome outcome = GenerateNames(FixtureRun(kCommon), controls);
    EXPECT_EQ(outcome.ended, GenerationEnd::Stopped);
    EXPECT_EQ(outcome.namesMade, 4);
    EXPECT_EQ(controls.settingsRead, 4);
}

TEST(GenerationRun, TheSameSeedMakesTheSameNames) {
    RecordingControls first, second, other;
    GenerateNames(FixtureRun(kCommon, 40), first);
    GenerateNames(FixtureRun(kCommon, 40), second);
    PreparedRun reseeded = FixtureRun(kCommon, 40);
    reseeded.seed = 8;
    GenerateNames(reseeded, other);
    EXPECT_EQ(first.Givens(), second.Givens());
    EXPECT_NE(first.Givens(), other.Givens());
}

TEST(GenerationRun, DrawsFromEveryEntryOfALargeLibrary) {
    std::vector<std::string> library;
    for (int i = 0; i < 40000; ++i) library.push_back("e" + std::to_string(i) + ",");
    RecordingControls controls;
    controls.settings.givenCount = 1;
    GenerateNames(FixtureRun(library, 2000), controls);
    bool beyond15Bits = false;
    for (const auto& name : controls.listed) {
        beyond15Bits |= std::stoi(name.givenName.substr(1)) >= 32768;
    }
    EXPECT_TRUE(beyond15Bits);
}

TEST(GenerationRun, CandidateText) {
    EXPECT_EQ(NameCandidateText("张浩然", 86), "张浩然[86分]");
    EXPECT_EQ(NameCandidateText("张浩", -3), "张浩[-3分]");
}
