#include "evaluation/EvaluationReport.h"

#include "evaluation/BirthChartLines.h"
#include "evaluation/CharacterLines.h"
#include "evaluation/GridExplanation.h"
#include "evaluation/GridLines.h"
#include "evaluation/NameSound.h"
#include "evaluation/ReportGrids.h"
#include "evaluation/ReportScore.h"
#include "evaluation/StarSign.h"
#include "lookups/CharacterLookups.h"
#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

using text::IntegerText;

// The label, the surname's part, then "—" and the part of each given
// character; the surname is looked up in its traditional form, the given
// name as typed.
template <typename Describe>
std::string NameCharactersLine(std::string_view label, std::string_view traditionalSurname,
                               const std::vector<std::string>& givenCharacters, Describe describe) {
    std::string line(label);
    line += describe(traditionalSurname);
    for (const std::string& character : givenCharacters) line += "—" + describe(character);
    return line + "\r\n";
}

std::string LunarDateLine(const DateTime& moment) {
    LunarDate date;  // 0年0月0日 for a moment the calendar does not cover
    LunarDateOf(moment, date);
    return "农历日期：" + IntegerText(date.year) + "年" + IntegerText(date.month) + "月" + IntegerText(date.day) +
           "日\r\n";
}

std::string ScoreText(const EvaluationRequest& request, const FiveGrids& grids, std::string_view lackingText) {
    // A list row's score stands in for the report's own only once a run has
    // used the fixed character, whose bonus the report does not compute.
    if (request.fixedCharacterUsed && request.passedScore) return *request.passedScore;
    return IntegerText(ReportScore(grids, request.givenName, lackingText, request.scoreYear, request.scoreMonth,
                                   request.scoreDay));
}

}  // namespace

EvaluationReport BuildEvaluationReport(const EvaluationRequest& request) {
    const std::string traditionalSurname = ToTraditional(request.surname);
    const FiveGrids grids = ReportGrids(request.surname, request.givenName);
    const BirthChartLines chart = BirthChartLinesOf(request.birthMoment);

    EvaluationReport report;
    report.score = ScoreText(request, grids, chart.balance.lackingText);
    auto& lines = report.lines;
    auto blue = [&](std::string text) { lines.push_back({std::move(text), kBlue}); };
    auto heading = [&](std::string_view title) {
        lines.push_back({"----------------------" + std::string(title) + "--------------------------------\r\n",
                         kMagenta});
    };

    lines.push_back({"名字总分（仅供参考）：" + report.score + "\r\n", kRed});
    heading("基本信息");
    blue("姓名：" + request.surname + request.givenName + "\r\n");
    blue("姓名（繁体）：" + traditionalSurname + ToTraditional(request.givenName) + "\r\n");
    blue(LunarDateLine(request.birthMoment));
    for (const std::string& line : chart.calendar) blue(line);

    // The character lines are written for given names of one or two characters.
    std::vector<std::string> given = text::Characters(request.givenName);
    if (given.size() == 1 || given.size() == 2) {
        blue(NameCharactersLine("名字音韵：", traditionalSurname, given,
                                [](std::string_view text) { return NameSoundText(text); }));
        blue(NameCharactersLine("名字笔画：", traditionalSurname, given, CharacterStrokesText));
        blue(NameCharactersLine("名字五行：", traditionalSurname, given, CharacterElementsText));
    }

    for (const std::string& line : chart.balanceLines) blue(line);
    lines.push_back(GridLine(grids));
    lines.push_back(TalentLine(grids));
    heading("五格释义");
    for (ColouredLine& line : GridExplanations(grids)) lines.push_back(std::move(line));
    heading("星座解释");
    blue(StarSignOf(request.starSignMonth, request.starSignDay) + "\r\n\r\n");
    return report;
}

}  // namespace velorin
