// velorin-cli score --surname 张 --given 浩然 [--birth YYYY-MM-DD[THH]]
//   [--lacking "木  火  "] [--fixed 浩 --position 1] [--json]
// The score of a name as the generator scores it, with its grids, points,
// base score and birth-date term.
#include <iostream>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "birthchart/ElementBalance.h"
#include "cli/BirthOption.h"
#include "cli/CommandRegistry.h"
#include "cli/JsonOutput.h"
#include "generation/NameScore.h"
#include "lookups/Number81Table.h"
#include "text/Utf8Text.h"

namespace velorin::cli {
namespace {

struct ScoreOptions {
    std::string surname, given;
    std::string birth = "2016-05-05";
    std::optional<std::string> lacking;
    std::optional<std::string> fixed;
    int position = 1;
    bool json = false;
};

// Without --lacking, a birth hour gives the chart whose first lacking element
// counts; a date alone gives none.
std::string LackingText(const ScoreOptions& options, const BirthOption& birth) {
    if (options.lacking) return *options.lacking;
    if (!birth.hour) return {};
    return ElementBalanceOf(DateTime::FromParts(birth.year, birth.month, birth.day, *birth.hour)).lackingText;
}

int PrintScore(const ScoreOptions& options) {
    const std::string surname = text::TrimBlanks(options.surname);
    if (surname.empty()) {
        std::cerr << "请填写姓氏\n";
        return 1;
    }
    const std::vector<std::string> characters = text::Characters(options.given);
    if (characters.empty() || characters.size() > 3) {
        std::cerr << "名字应为1到3个字\n";
        return 1;
    }
    if (options.fixed && options.fixed->empty()) {
        std::cerr << "请填写固定字\n";
        return 1;
    }
    const std::optional<BirthOption> birth = ParseBirthOption(options.birth);
    if (!birth) {
        std::cerr << kBirthOptionMessage << '\n';
        return 1;
    }
    const std::string lackingText = LackingText(options, *birth);
    const std::string lackingElement = FirstLackingElement(lackingText);

    NameScoreInputs name;
    name.surname = surname;
    name.givenCount = static_cast<int>(characters.size());
    for (std::size_t i = 0; i < characters.size(); ++i) name.picks[i] = characters[i];
    name.givenName = options.given;
    name.fixedCharacterTicked = options.fixed.has_value();
    name.fixedPosition = options.position;
    name.year = birth->year;
    name.month = birth->month;
    name.day = birth->day;
    name.lackingElement = lackingElement;
    const NameScoreBreakdown result = ScoreGeneratedName(name);

    const struct {
        const char* key;
        const char* caption;
        int number;
    } grids[] = {{"person", "人格", result.grids.person},
                 {"earth", "地格", result.grids.earth},
                 {"outer", "外格", result.grids.outer},
                 {"total", "总格", result.grids.total}};
    nlohmann::json json = {{"base", result.base}, {"adjustment", result.adjustment},
                           {"score", result.score}, {"lacking", lackingText}};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string& grade = Number81Table::Carried().GradeOf(grids[i].number);
        json[grids[i].key] = grids[i].number;
        json["grades"][grids[i].key] = grade;
        json["points"][grids[i].key] = result.points[i];
        if (!options.json) {
            std::cout << grids[i].caption << " " << grids[i].number << " " << (grade.empty() ? "-" : grade) << " "
                      << result.points[i] << "分\n";
        }
    }
    if (options.json) {
        PrintJsonLine(json);
    } else {
        std::cout << "基础分 " << result.base << "\n出生日期加分 " << result.adjustment << "\n得分 " << result.score
                  << '\n';
    }
    return 0;
}

const CommandRegistration kScore([](CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ScoreOptions>();
    CLI::App* command = app.add_subcommand("score", "姓名评分: the generator's score of a name");
    command->add_option("--surname", options->surname, "surname")->required();
    command->add_option("--given", options->given, "given name as composed, 1 to 3 characters")->required();
    command->add_option("--birth", options->birth, "birth date YYYY-MM-DD, with THH for the chart")
        ->capture_default_str();
    command->add_option("--lacking", options->lacking, "lacking elements, e.g. \"木  火  \"");
    CLI::Option* fixed = command->add_option("--fixed", options->fixed, "fixed character (辈分字) of the name");
    command->add_option("--position", options->position, "position of the fixed character")
        ->check(CLI::Range(1, 3))
        ->needs(fixed);
    command->add_flag("--json", options->json, "print one JSON object");
    command->callback([options, &exitCode] { exitCode = PrintScore(*options); });
});

}  // namespace
}  // namespace velorin::cli
