#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <vector>

#include "CliRunner.h"
#include "JsonLines.h"

namespace {

TEST(ChartCommand, PrintsTheLunarDateAndTheLinesOfTheBirthChartWindow) {
    CliResult result = RunCli("chart 2024-02-04T17 1900-01-01");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "2024-02-04T17\n"
              "农历日期：2023年12月25日\n"
              "属相：龙\n"
              "四柱：甲辰年 丙寅月 戊戌日 辛酉时\n"
              "八字：甲辰 丙寅 戊戌 辛酉\n"
              "五行：木,土,火,木,土,土,金,金,\n"
              "纳音：覆灯火 炉中火 平地木 石榴木\n"
              "五行： 木,土,火,木,土,土,金,金,\n"
              "五行个数： 金：2个  木：2个  水：0个  火：1个  土：3个\n"
              "五行缺：水  \n"
              "此喜用神为:水  \n"
              "\n"
              "1900-01-01T00\n"
              "农历日期：\n"
              "属相：\n"
              "四柱：年 月 日 时\n"
              "八字：   \n"
              "五行：\n"
              "纳音：\n"
              "五行： \n"
              "五行个数： 金：0个  木：0个  水：0个  火：0个  土：0个\n"
              "五行缺：金  木  水  火  土  \n"
              "此喜用神为:金  木  水  火  土  \n");
}

TEST(ChartCommand, JsonHasOneObjectPerMoment) {
    CliResult result = RunCli("chart --json 2023-04-01T23 2024-02-04 2049-01-01");
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<nlohmann::json> lines = JsonLines(result.out);
    ASSERT_EQ(lines.size(), 3u);

    const nlohmann::json& leapMonth = lines[0];
    EXPECT_EQ(leapMonth["moment"], "2023-04-01T23");
    EXPECT_EQ(leapMonth["lunar"], (nlohmann::json{{"year", 2023}, {"month", 2}, {"day", 11}, {"leap", true}}));
    EXPECT_EQ(leapMonth["zodiac"], "兔");
    EXPECT_EQ(leapMonth["pillars"], (nlohmann::json{"癸卯", "乙卯", "庚寅", "丙子"}));
    EXPECT_EQ(leapMonth["nayin"], (nlohmann::json{"金箔金", "大溪水", "松柏木", "涧下水"}));
    EXPECT_EQ(leapMonth["elements"], "水,木,木,木,金,木,火,水,");
    EXPECT_EQ(leapMonth["counts"], (nlohmann::json{{"金", 1}, {"木", 4}, {"水", 2}, {"火", 1}, {"土", 0}}));
    EXPECT_EQ(leapMonth["lacking"], "土  ");

    EXPECT_EQ(lines[1]["moment"], "2024-02-04T00");  // hour 0 when left out
    EXPECT_EQ(lines[1]["zodiac"], "兔");             // 立春 came at 16:27 that day

    const nlohmann::json& outside = lines[2];
    EXPECT_FALSE(outside.contains("lunar"));
    EXPECT_EQ(outside["pillars"], (nlohmann::json{"", "", "", ""}));
    EXPECT_EQ(outside["lacking"], "金  木  水  火  土  ");
}

TEST(ChartCommand, RejectsAMalformedMomentBeforePrintingAnything) {
    for (const char* arguments : {"chart 2024-02-04 2024/02/04", "chart --json 2024-02-04T", "chart 甲子"}) {
        CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_NE(result.err.find("YYYY-MM-DD"), std::string::npos) << arguments;
    }
    EXPECT_EQ(RunCli("chart").exitCode, 2);
}

}  // namespace
