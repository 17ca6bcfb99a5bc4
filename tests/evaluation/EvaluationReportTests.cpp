#include "evaluation/EvaluationReport.h"

#include <gtest/gtest.h>

#include "evaluation/StarSign.h"

namespace velorin {

void PrintTo(const ColouredLine& line, std::ostream* out) {
    *out << std::hex << line.colour << std::dec << " " << line.text;
}

namespace {

// Days since 1899-12-30 plus the hour: a chart that lacks nothing (1990-01-01
// 05:00, 己巳 丙子 丙寅 辛卯) and one that lacks 木 and 火 (1952-08-10 01:00,
// 壬辰 戊申 戊子 癸丑). Written as numbers because tables of cases are made
// before main, when no other file's constants may be relied on.
const DateTime kCompleteChart(32874 + 5 / 24.0);
const DateTime kLacksWoodAndFire(19216 + 1 / 24.0);

EvaluationRequest Request(std::string surname, std::string given, DateTime moment = kCompleteChart) {
    EvaluationRequest request;
    request.surname = std::move(surname);
    request.givenName = std::move(given);
    request.birthMoment = moment;
    request.scoreYear = 2016, request.scoreMonth = 5, request.scoreDay = 5;
    request.starSignMonth = 1, request.starSignDay = 1;
    return request;
}

std::vector<std::string> Texts(const EvaluationReport& report) {
    std::vector<std::string> texts;
    for (const ColouredLine& line : report.lines) texts.push_back(line.text);
    return texts;
}

std::string Heading(const std::string& title) {
    return "----------------------" + title + "--------------------------------\r\n";
}

TEST(EvaluationReport, TheChartMomentsAreTheDaysTheyStandFor) {
    EXPECT_EQ(kCompleteChart, DateTime::FromParts(1990, 1, 1, 5));
    EXPECT_EQ(kLacksWoodAndFire, DateTime::FromParts(1952, 8, 10, 1));
}

TEST(EvaluationReport, WritesEveryLineOfAOneCharacterGivenNameInItsColour) {
    EvaluationReport report = BuildEvaluationReport(Request("张", "伟"));
    EXPECT_EQ(report.score, "83");
    std::vector<ColouredLine> basics = {
        {"名字总分（仅供参考）：83\r\n", kRed},
        {Heading("基本信息"), kMagenta},
        {"姓名：张伟\r\n", kBlue},
        {"姓名（繁体）：張偉\r\n", kBlue},
        {"农历日期：1989年12月5日\r\n", kBlue},
        {"属相：蛇\r\n", kBlue},
        {"四柱：己巳年 丙子月 丙寅日 辛卯时\r\n", kBlue},
        {"八字：己巳 丙子 丙寅 辛卯\r\n", kBlue},
        {"五行：土,火,火,水,火,木,金,木,\r\n", kBlue},
        {"纳音：大林木 涧下水 炉中火 松柏木\r\n", kBlue},
        {"名字音韵：zhāng—wěi\r\n", kBlue},
        {"名字笔画：11—11\r\n", kBlue},
        {"名字五行：火—土\r\n", kBlue},
        {"五行： 土,火,火,水,火,木,金,木,\r\n", kBlue},
        {"五行个数： 金：1个  木：2个  水：1个  火：3个  土：1个\r\n", kBlue},
        {"五行缺：\r\n", kBlue},
        {"此喜用神：生辰八字不缺\r\n", kBlue},
        {"五格：天格(12) 人格(22) 地格(12) 外格(2) 总格(23)\r\n", kBlue},
        {"三才：天才(12)→人才(12)→地才(12)\r\n\r\n\r\n", kBlue},
        {Heading("五格释义"), kMagenta},
    };
    ASSERT_EQ(report.lines.size(), 32u);
    EXPECT_EQ(std::vector<ColouredLine>(report.lines.begin(), report.lines.begin() + 20), basics);

    const char* explained[] = {"天格：", "第12数理(凶)", "人格：", "第22数理(凶)", "地格：",
                               "第12数理(凶)", "总格：", "第23数理(吉)", "外格：", "第2数理(凶)"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(report.lines[20 + i].text.rfind(explained[i], 0), 0u) << report.lines[20 + i].text;
    }
    EXPECT_EQ(report.lines[30], (ColouredLine{Heading("星座解释"), kMagenta}));
    EXPECT_EQ(report.lines[31], (ColouredLine{StarSignOf(1, 1) + "\r\n\r\n", kBlue}));
}

TEST(EvaluationReport, AThreeCharacterGivenNameHasNoCharacterLinesAndSkipsItsMiddleInTheEarthGrid) {
    EvaluationReport report = BuildEvaluationReport(Request("张", "书伟嘉"));
    std::vector<std::string> texts = Texts(report);
    ASSERT_EQ(texts.size(), 29u);
    EXPECT_EQ(texts[9], "纳音：大林木 涧下水 炉中火 松柏木\r\n");
    EXPECT_EQ(texts[10], "五行： 土,火,火,水,火,木,金,木,\r\n");
    // 书 10 and 嘉 14 strokes: the middle 伟 enters no grid.
    EXPECT_EQ(texts[14], "五格：天格(12) 人格(21) 地格(24) 外格(15) 总格(35)\r\n");
}

TEST(EvaluationReport, ATwoCharacterSurnameTakesItsLastCharacterForThePersonGrid) {
    EvaluationReport report = BuildEvaluationReport(Request("欧阳", "明"));
    std::vector<std::string> texts = Texts(report);
    EXPECT_EQ(texts[2], "姓名：欧阳明\r\n");
    EXPECT_EQ(texts[3], "姓名（繁体）：歐陽明\r\n");
    EXPECT_EQ(texts[10], "名字音韵：ōuyáng—míng\r\n");
    EXPECT_EQ(texts[11], "名字笔画：15-17—8\r\n");
    EXPECT_EQ(texts[12], "名字五行：土-土—水\r\n");
    // 欧 15, 阳 17, 明 8: the surname's strokes add up in the total grid.
    EXPECT_EQ(texts[17], "五格：天格(32) 人格(25) 地格(9) 外格(9) 总格(41)\r\n");
    EXPECT_EQ(texts[18], "三才：天才(32)→人才(15)→地才(9)\r\n\r\n\r\n");
}

TEST(EvaluationReport, AMomentOutsideTheCalendarLacksEveryElement) {
    EvaluationReport report = BuildEvaluationReport(Request("张", "伟", DateTime()));
    std::vector<std::string> texts = Texts(report);
    std::vector<std::string> chart = {"农历日期：0年0月0日\r\n", "属相：\r\n", "四柱：年 月 日 时\r\n",
                                      "八字：   \r\n", "五行：\r\n", "纳音：\r\n"};
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 4, texts.begin() + 10), chart);
    std::vector<std::string> balance = {"五行： \r\n", "五行个数： 金：0个  木：0个  水：0个  火：0个  土：0个\r\n",
                                        "五行缺：金  木  水  火  土  \r\n", "此喜用神为:金  木  水  火  土  \r\n"};
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 13, texts.begin() + 17), balance);
}

TEST(EvaluationReport, ListsTheLackingElementsAsTheFavourableOnes) {
    std::vector<std::string> texts = Texts(BuildEvaluationReport(Request("张", "伟", kLacksWoodAndFire)));
    EXPECT_EQ(texts[15], "五行缺：木  火  \r\n");
    EXPECT_EQ(texts[16], "此喜用神为:木  火  \r\n");
}

struct ScoreCase {
    const char* label;
    const char* given;
    DateTime moment;
    int year, month, day;
    const char* score;
};

void PrintTo(const ScoreCase& c, std::ostream* out) { *out << c.label; }

class ReportScoreOf : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ReportScoreOf, FollowsTheGridsTheDateAndTheLackingElement) {
    const ScoreCase& c = GetParam();
    EvaluationRequest request = Request("张", c.given, c.moment);
    request.scoreYear = c.year, request.scoreMonth = c.month, request.scoreDay = c.day;
    EvaluationReport report = BuildEvaluationReport(request);
    EXPECT_EQ(report.score, c.score);
    EXPECT_EQ(report.lines.front().text, std::string("名字总分（仅供参考）：") + c.score + "\r\n");
}

// 张伟: grids 凶 凶 凶 吉, base 70. 张书嘉 and 张书伟嘉: four 吉, base 100. 张嘉书:
// base 94. 张金: base 59. 金 and 嘉 carry 木; 伟, 书 do not. 2016-05-05 adds 13,
// 2011-06-15 adds 4.
INSTANTIATE_TEST_SUITE_P(
    Names, ReportScoreOf,
    ::testing::Values(
        ScoreCase{"nothing lacking", "伟", kCompleteChart, 2016, 5, 5, "83"},
        ScoreCase{"nothing lacking, capped", "书嘉", kCompleteChart, 2016, 5, 5, "100"},
        ScoreCase{"a year after 2020 by its decade", "伟", kCompleteChart, 2026, 5, 5, "83"},
        ScoreCase{"one character supplying the lacking 木", "金", kLacksWoodAndFire, 2016, 5, 5, "100"},
        ScoreCase{"one character not supplying it", "伟", kLacksWoodAndFire, 2016, 5, 5, "83"},
        ScoreCase{"one character not supplying it, above 99", "书嘉", DateTime(), 2016, 5, 5, "99"},
        ScoreCase{"the last of two supplying it", "书嘉", kLacksWoodAndFire, 2016, 5, 5, "100"},
        ScoreCase{"only the first of two supplying it", "嘉书", kLacksWoodAndFire, 2011, 6, 15, "99"},
        ScoreCase{"neither of two supplying it", "伟伟", kLacksWoodAndFire, 2011, 6, 15, "74"},
        ScoreCase{"the last of three supplying it", "书伟嘉", kLacksWoodAndFire, 2011, 6, 15, "100"}));

TEST(EvaluationReport, APassedScoreStandsOnlyAfterARunWithTheFixedCharacter) {
    struct Case {
        std::optional<std::string> passed;
        bool fixedCharacterUsed;
        const char* score;
    };
    for (const Case& c : {Case{"95分", true, "95分"}, Case{"95分", false, "83"}, Case{std::nullopt, true, "83"}}) {
        EvaluationRequest request = Request("张", "伟");
        request.passedScore = c.passed;
        request.fixedCharacterUsed = c.fixedCharacterUsed;
        EXPECT_EQ(BuildEvaluationReport(request).score, c.score);
    }
}

TEST(EvaluationReport, TheStarSignComesFromItsOwnMonthAndDay) {
    EvaluationRequest request = Request("张", "伟");
    request.starSignMonth = 0, request.starSignDay = 0;
    EXPECT_EQ(BuildEvaluationReport(request).lines.back().text, "0月0日\r\n\r\n\r\n\r\n");
}

}  // namespace
}  // namespace velorin
