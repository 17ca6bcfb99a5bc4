// velorin-cli evaluate --surname 张 --given 伟 [--birth YYYY-MM-DD[THH]] [--json]
// The evaluation report of a name, in colour on a terminal.
#include <nlohmann/json.hpp>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "cli/BirthOption.h"
#include "cli/CommandRegistry.h"
#include "cli/JsonOutput.h"
#include "evaluation/EvaluationReport.h"
#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin::cli {
namespace {

struct EvaluateOptions {
    std::string surname, given;
    std::string birth = "2016-05-05T05";
    bool json = false;
};

struct Rgb {
    unsigned red, green, blue;
};

Rgb RgbOf(std::uint32_t bbggrr) { return {bbggrr & 0xFFu, (bbggrr >> 8) & 0xFFu, (bbggrr >> 16) & 0xFFu}; }

std::string HexColour(std::uint32_t bbggrr) {
    const Rgb rgb = RgbOf(bbggrr);
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return hex;
}

// Each line of the text in the colour, reset before its line break so that
// the colour never leaks into the terminal's next prompt.
std::string AnsiColoured(std::string_view text, std::uint32_t bbggrr) {
    const Rgb rgb = RgbOf(bbggrr);
    const std::string start = "\x1b[38;2;" + std::to_string(rgb.red) + ";" + std::to_string(rgb.green) + ";" +
                              std::to_string(rgb.blue) + "m";
    std::vector<std::string> lines = text::Split(text, "\n");
    std::string coloured;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty()) coloured += start + lines[i] + "\x1b[0m";
        if (i + 1 < lines.size() || text.ends_with('\n')) coloured += '\n';
    }
    return coloured;
}

int PrintReport(const EvaluateOptions& options) {
    if (text::TrimBlanks(options.surname).empty()) {
        std::cerr << "请填写姓氏\n";
        return 1;
    }
    if (text::TrimBlanks(options.given).empty()) {
        std::cerr << "请填写名字\n";
        return 1;
    }
    const std::optional<BirthOption> birth = ParseBirthOption(options.birth);
    if (!birth) {
        std::cerr << kBirthOptionMessage << '\n';
        return 1;
    }

    // One birth date serves the chart, the birth-date term of the score and the star sign.
    EvaluationRequest request;
    request.surname = options.surname;
    request.givenName = options.given;
    request.birthMoment = DateTime::FromParts(birth->year, birth->month, birth->day, birth->hour.value_or(0));
    request.scoreYear = birth->year, request.scoreMonth = birth->month, request.scoreDay = birth->day;
    request.starSignMonth = birth->month, request.starSignDay = birth->day;
    const EvaluationReport report = BuildEvaluationReport(request);

    if (options.json) {
        nlohmann::json lines = nlohmann::json::array();
        for (const ColouredLine& line : report.lines) {
            lines.push_back({{"text", text::ReplaceAll(line.text, "\r\n", "\n")}, {"colour", HexColour(line.colour)}});
        }
        nlohmann::json result = {{"score", text::TextToInteger(report.score)}, {"lines", lines}};
        PrintJsonLine(result);
        return 0;
    }
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    for (const ColouredLine& line : report.lines) {
        const std::string text = text::ReplaceAll(line.text, "\r\n", "\n");
        std::cout << (terminal ? AnsiColoured(text, line.colour) : text);
    }
    return 0;
}

const CommandRegistration kEvaluate([](CLI::App& app, int& exitCode) {
    auto options = std::make_shared<EvaluateOptions>();
    CLI::App* command = app.add_subcommand("evaluate", "姓名评测: the evaluation report of a name");
    command->add_option("--surname", options->surname, "surname")->required();
    command->add_option("--given", options->given, "given name")->required();
    command->add_option("--birth", options->birth, "birth date and hour YYYY-MM-DDTHH (hour 0 when left out)")
        ->capture_default_str();
    command->add_flag("--json", options->json, "print one JSON object");
    command->callback([options, &exitCode] { exitCode = PrintReport(*options); });
});

}  // namespace
}  // namespace velorin::cli
