#include "generation/NameScore.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "lookups/CharacterLookups.h"

using namespace velorin;

namespace {

// Small made-up tables, so that each grid rule can be checked with numbers
// chosen for it rather than with whatever the carried tables say.
int FakeStrokes(std::string_view character) {
    static const std::map<std::string, int, std::less<>> strokes = {
        {"甲", 5}, {"乙", 3}, {"丙", 5}, {"丁", 7}, {"戊", 9}, {"欧", 15}, {"阳", 17}, {"德", 10},
    };
    auto found = strokes.find(character);
    return found == strokes.end() ? -1 : found->second;
}

std::string FakeElement(std::string_view character) {
    static const std::map<std::string, std::string, std::less<>> elements = {
        {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"},
    };
    auto found = elements.find(character);
    return found == elements.end() ? std::string() : found->second;
}

const ScoreLookups kFake{FakeStrokes, FakeElement, ScoreLookups::Carried().gradeOf};

NameScoreInputs Name(std::string_view surname, std::string_view given, int count) {
    NameScoreInputs name;
    name.surname = surname;
    name.givenName = given;
    name.givenCount = count;
    name.year = 2016;
    name.month = 5;
    name.day = 5;
    return name;
}

}  // namespace

TEST(NameScore, GridPointsComeFromTheGradeOfTheNumber) {
    struct Case {
        GridKind kind;
        int number;
        int points;
    } cases[] = {
        {GridKind::Person, 1, 100},  {GridKind::Person, 17, 80},  {GridKind::Person, 2, 60},
        {GridKind::Earth, 81, 100},  {GridKind::Earth, 18, 85},   {GridKind::Earth, 4, 60},
        {GridKind::Outer, 3, 100},   {GridKind::Outer, 25, 70},   {GridKind::Outer, 9, 50},
        {GridKind::Total, 5, 100},   {GridKind::Total, 29, 87},   {GridKind::Total, 10, 65},
        // Outside 1..81 there is no grade and so no points.
        {GridKind::Total, 82, 0},    {GridKind::Person, 0, 0},    {GridKind::Earth, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridPoints(c.kind, c.number), c.points) << c.number;
    }
    EXPECT_EQ(GridPoints(GridKind::Total, "大吉"), 0);
    EXPECT_EQ(GridPoints(GridKind::Total, ""), 0);
}

TEST(NameScore, BaseScoreWeighsPersonAndTotalMore) {
    EXPECT_EQ(BaseScore(80, 85, 70, 87), 81);  // 81.1
    EXPECT_EQ(BaseScore(100, 100, 100, 100), 100);
    EXPECT_EQ(BaseScore(60, 60, 50, 65), 59);  // 59.5, truncated
    EXPECT_EQ(BaseScore(0, 0, 0, 0), 0);
}

TEST(NameScore, BirthDateAdjustmentByDecadeAndSeason) {
    struct Case {
        int year, month, day, adjustment;
    } cases[] = {
        {1980, 12, 31, 24},  // 1980 still counts from 1970
        {1995, 8, 20, 11},   // second half of the year: 5 + 2 + 1 + 3
        {1995, 3, 20, 10},   // 5 + 3 + trunc(-5/3) + 3
        {2001, 7, 15, 3},    // the 15th is not past the middle
        {2016, 5, 5, 13},
        {2020, 12, 31, 24},  // 2011-2020 count from 2010
        {2021, 1, 1, 13},    // later years go on by decade
        {2026, 5, 5, 13},
        {2035, 6, 15, 8},
        {1960, 6, 15, -7},   // before 1970 the year term is negative
        {INT_MIN, 6, 15, INT_MIN},  // saturates instead of overflowing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BirthDateAdjustment(c.year, c.month, c.day), c.adjustment) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(NameScore, FixedCharacterBonusAddsFiveAboveEightyUpToHundred) {
    const std::pair<int, int> cases[] = {{81, 86}, {97, 100}, {80, 80}, {95, 100}, {150, 100}, {-5, -5}, {INT_MAX, 100}};
    for (auto [score, bonus] : cases) EXPECT_EQ(FixedCharacterBonus(score), bonus) << score;
}

TEST(NameScore, LackingElementRule) {
    struct Case {
        int score, count;
        std::string given, lacking;
        int result;
    } cases[] = {
        // Nothing lacking: caps, and a two-character 100 is held at 99.
        {113, 1, "甲", "", 100}, {90, 1, "甲", "", 90},
        {113, 2, "甲乙", "", 100}, {100, 2, "甲乙", "", 99}, {99, 2, "甲乙", "", 99},
        {113, 3, "甲乙丙", "", 100}, {100, 3, "甲乙丙", "", 100},
        // One character: a match makes 100, no match leaves the score, even above 100.
        {60, 1, "甲", "木", 100}, {113, 1, "丙", "木", 113},
        // Two or three: the last character earns 100, the first alone 99, none caps at 99.
        {60, 2, "丙甲", "木", 100}, {60, 2, "甲丙", "木", 99}, {113, 2, "丙丁", "木", 99},
        {60, 2, "丙丁", "木", 60}, {60, 3, "丙甲丁", "木", 60}, {60, 3, "丁丙甲", "木", 100},
        {60, 3, "甲丁丙", "木", 99}, {60, 2, "甲乙", "木", 100},
        // A character in no list never matches.
        {60, 2, "丙德", "木", 60},
        // Any other count leaves the score alone.
        {113, 4, "甲乙丙丁", "", 113},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LackingElementRule(c.score, c.count, c.given, c.lacking, kFake), c.result)
            << c.score << " " << c.count << " " << c.given << " " << c.lacking;
    }
}

TEST(NameScore, GenerationGridsByCountAndFixedCharacter) {
    struct Case {
        const char* what;
        std::string surname, given;
        int count;
        std::array<std::string_view, 3> picks;
        bool fixed;
        int position;
        int person, earth, outer, total;
    } cases[] = {
        {"one character", "甲", "乙", 1, {"乙"}, false, 1, 8, 4, 2, 8},
        {"one character, box ticked", "甲", "乙", 1, {"乙"}, true, 2, 8, 4, 2, 8},
        {"two drawn", "甲", "乙丙", 2, {"乙", "丙"}, false, 1, 8, 8, 6, 13},
        {"two drawn, one entry not one character", "甲", "乙丙丁", 2, {"乙丙", "丁"}, false, 1, 8, 6, 8, 11},
        {"fixed first of two", "甲", "德丙", 2, {"乙", "丙"}, true, 1, 15, 15, 6, 20},
        {"fixed second of two", "甲", "乙德", 2, {"乙", "丙"}, true, 2, 15, 13, 11, 18},
        {"fixed third of two lands second", "甲", "乙德", 2, {"乙", "丙"}, true, 3, 8, 13, 11, 18},
        {"three drawn", "甲", "乙丙丁", 3, {"乙", "丙", "丁"}, false, 2, 8, 10, 6, 15},
        {"fixed second of three", "甲", "乙德丁", 3, {"乙", "丙", "丁"}, true, 2, 12, 10, 11, 15},
        {"fixed third of three", "甲", "乙丙德", 3, {"乙", "丙", "丁"}, true, 3, 8, 13, 6, 18},
        {"two-character surname", "欧阳", "乙丙", 2, {"乙", "丙"}, false, 1, 20, 8, 6, 40},
        {"two-character surname, one given", "欧阳", "乙", 1, {"乙"}, false, 1, 20, 4, 2, 35},
        {"surname missing from the table", "王", "乙丙", 2, {"乙", "丙"}, false, 1, 2, 8, 6, 7},
    };
    for (const Case& c : cases) {
        NameScoreInputs name = Name(c.surname, c.given, c.count);
        name.picks = c.picks;
        name.fixedCharacterTicked = c.fixed;
        name.fixedPosition = c.position;
        FiveGrids grids = GenerationGrids(name, kFake);
        EXPECT_EQ(grids.person, c.person) << c.what;
        EXPECT_EQ(grids.earth, c.earth) << c.what;
        EXPECT_EQ(grids.outer, c.outer) << c.what;
        EXPECT_EQ(grids.total, c.total) << c.what;
    }
}

TEST(NameScore, ScoresANameInTheOrderOfItsSteps) {
    // 甲乙丙: person 8, earth 8, outer 6, total 13, all 吉: base 100; born
    // 2016-05-05 adds 13.
    NameScoreInputs name = Name("甲", "乙丙", 2);
    name.picks = {"乙", "丙"};
    struct Case {
        const char* what;
        int count;
        std::string lacking;
        bool fixed;
        int score;
    } cases[] = {
        {"nothing lacking: 113 capped", 2, "", false, 100},
        {"木 lacking, last character 火", 2, "木", false, 99},
        {"火 lacking, supplied by the last character", 2, "火", false, 100},
        {"the bonus caps at 100, which two characters then hold at 99", 2, "", true, 99},
        {"the bonus, then a match", 2, "火", true, 100},
    };
    for (const Case& c : cases) {
        name.givenCount = c.count;
        name.lackingElement = c.lacking;
        name.fixedCharacterTicked = c.fixed;
        NameScoreBreakdown result = ScoreGeneratedName(name, kFake);
        EXPECT_EQ(result.base, 100) << c.what;
        EXPECT_EQ(result.adjustment, 13) << c.what;
        EXPECT_EQ(result.score, c.score) << c.what;
    }
}

TEST(NameScore, ANameScoresTheSameWhateverWasScoredBefore) {
    NameScoreInputs three = Name("甲", "乙丙丁", 3);
    three.picks = {"乙", "丙", "丁"};
    NameScoreInputs neighbour = Name("欧阳", "戊", 1);
    neighbour.year = 2030;
    NameScoreInputs outside = Name("王", "王王", 2);  // grids below 1 earn nothing
    outside.picks = {"王", "王"};

    const int alone = ScoreGeneratedName(three, kFake).score;
    ScoreGeneratedName(neighbour, kFake);
    EXPECT_EQ(ScoreGeneratedName(three, kFake).score, alone);
    ScoreGeneratedName(outside, kFake);
    EXPECT_EQ(ScoreGeneratedName(three, kFake).score, alone);
    EXPECT_EQ(ScoreGeneratedName(outside, kFake).points, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(NameScore, CarriedTablesScoreARealName) {
    // 张 11, 浩 11, 然 12: person 22 凶, earth 23 吉, outer 13 吉, total 34 凶.
    NameScoreInputs name = Name("张", "浩然", 2);
    name.picks = {"浩", "然"};
    NameScoreBreakdown result = ScoreGeneratedName(name);
    EXPECT_EQ(result.grids.person, 22);
    EXPECT_EQ(result.grids.total, 34);
    EXPECT_EQ(result.points, (std::array<int, 4>{60, 100, 100, 65}));
    EXPECT_EQ(result.score, 77 + 13);
}
