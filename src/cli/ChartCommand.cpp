// velorin-cli chart MOMENT… [--json]: the lunar date and the birth chart of
// each moment, as the birth-chart window shows it.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "birthchart/Calendar.h"
#include "cli/BirthOption.h"
#include "cli/CommandRegistry.h"
#include "cli/JsonOutput.h"
#include "evaluation/BirthChartLines.h"
#include "text/Utf8Text.h"

namespace velorin::cli {
namespace {

struct ChartOptions {
    std::vector<std::string> moments;
    bool json = false;
};

// "2024-02-04T17": the moment actually charted, after the date-time's clamping.
std::string MomentText(const DateTime& moment) {
    const DateTimeParts parts = moment.Parts();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d", parts.year, parts.month, parts.day, parts.hour);
    return text;
}

nlohmann::json DescribeChart(const DateTime& moment, const BirthChartLines& chart) {
    const FourPillars& p = chart.pillars;
    const auto& counts = chart.balance.counts;
    nlohmann::json description = {{"moment", MomentText(moment)}};
    if (LunarDate date; LunarDateOf(moment, date)) {
        description["lunar"] = {{"year", date.year}, {"month", date.month}, {"day", date.day}, {"leap", date.leap}};
    }
    description["zodiac"] = ZodiacOf(moment);
    description["pillars"] = {p.year, p.month, p.day, p.hour};
    description["nayin"] = {NayinOf(p.year), NayinOf(p.month), NayinOf(p.day), NayinOf(p.hour)};
    description["elements"] = chart.balance.elementText;
    description["counts"] = {{"金", counts[0]}, {"木", counts[1]}, {"水", counts[2]}, {"火", counts[3]}, {"土", counts[4]}};
    description["lacking"] = chart.balance.lackingText;
    return description;
}

// "农历日期：2023年闰2月11日", or the bare label outside the calendar's range.
std::string LunarDateLine(const DateTime& moment) {
    LunarDate date;
    if (!LunarDateOf(moment, date)) return "农历日期：";
    return "农历日期：" + std::to_string(date.year) + "年" + (date.leap ? "闰" : "") + std::to_string(date.month) + "月" +
           std::to_string(date.day) + "日";
}

void PrintChart(const DateTime& moment, const BirthChartLines& chart) {
    std::string lines;
    for (const std::string& line : chart.calendar) lines += line;
    for (const std::string& line : chart.balanceLines) lines += line;
    std::cout << MomentText(moment) << '\n' << LunarDateLine(moment) << '\n' << text::ReplaceAll(lines, "\r\n", "\n");
}

int ChartMoments(const ChartOptions& options) {
    // Every moment is checked before anything is printed, so that a script
    // never reads half an answer.
    std::vector<DateTime> moments;
    for (const std::string& text : options.moments) {
        const std::optional<BirthOption> birth = ParseBirthOption(text);
        if (!birth) {
            std::cerr << text << "：" << kBirthOptionMessage << '\n';
            return 1;
        }
        moments.push_back(DateTime::FromParts(birth->year, birth->month, birth->day, birth->hour.value_or(0)));
    }
    for (std::size_t i = 0; i < moments.size(); ++i) {
        const BirthChartLines chart = BirthChartLinesOf(moments[i]);
        if (options.json) {
            PrintJsonLine(DescribeChart(moments[i], chart));
        } else {
            if (i > 0) std::cout << '\n';
            PrintChart(moments[i], chart);
        }
    }
    return 0;
}

const CommandRegistration kChart([](CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ChartOptions>();
    CLI::App* command = app.add_subcommand("chart", "生辰八字: lunar date, zodiac, four pillars, nayin and elements of moments");
    command->add_option("MOMENT", options->moments, "YYYY-MM-DD or YYYY-MM-DDTHH (hour 0 when left out), China time")
        ->required();
    command->add_flag("--json", options->json, "print one JSON object per moment");
    command->callback([options, &exitCode] { exitCode = ChartMoments(*options); });
});

}  // namespace
}  // namespace velorin::cli
