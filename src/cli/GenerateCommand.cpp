// velorin-cli generate --surname 张 [--sex 男|女] [--count 1|2|3]
//   [--fixed 德 --position 1|2|3] [--birth YYYY-MM-DDTHH] [--threshold 75]
//   [--names 5000] [--seed N] [--library FILE] [--json]
// A generation run with the inputs fixed for its whole length; prints every
// listed name as "张浩然[86分]", or one JSON object.
#include <iostream>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/BirthOption.h"
#include "cli/CommandRegistry.h"
#include "cli/JsonOutput.h"
#include "generation/GenerationRun.h"
#include "platform/System.h"

namespace velorin::cli {
namespace {

struct GenerateOptions {
    std::string surname;
    std::string sex = "男";
    int count = 2;
    std::optional<std::string> fixed;
    int position = 1;
    std::string birth = "2016-05-05T05";
    int threshold = 75;
    int names = 5000;
    std::optional<std::uint64_t> seed;
    std::string library;
    bool json = false;
};

// The command line's side of a run: nothing changes and nobody stops it.
class FixedControls : public GenerationControls {
public:
    FixedControls(const NameSettings& settings, bool json) : settings_(settings), json_(json) {}

    NameSettings CurrentSettings() override { return settings_; }
    void ListName(const ListedName& name) override {
        if (json_) {
            listed_.push_back({{"name", name.fullName},
                               {"given", name.givenName},
                               {"score", name.score},
                               {"candidate", name.candidate}});
        } else {
            std::cout << NameCandidateText(name.fullName, name.score) << '\n';
        }
    }
    bool StopRequested() override { return false; }
    void ProcessPendingEvents(int) override {}

    nlohmann::json& Listed() { return listed_; }

private:
    NameSettings settings_;
    bool json_;
    nlohmann::json listed_ = nlohmann::json::array();
};

const char* EndName(GenerationEnd end) {
    switch (end) {
        case GenerationEnd::Limit: return "limit";
        case GenerationEnd::Repeats: return "repeats";
        case GenerationEnd::Stopped: return "stopped";
    }
    return "";
}

int Generate(const GenerateOptions& options) {
    const std::optional<BirthOption> birth = ParseBirthOption(options.birth);
    if (!birth) {
        std::cerr << kBirthOptionMessage << '\n';
        return 1;
    }
    GenerationRequest request;
    request.surname = options.surname;
    request.sex = options.sex;
    request.fixedCharacterTicked = options.fixed.has_value();
    request.fixedCharacter = options.fixed.value_or("");
    request.year = birth->year;
    request.month = birth->month;
    request.day = birth->day;
    request.hour = birth->hour.value_or(5);
    request.libraryDirectory = RunDirectory();
    request.libraryFile = options.library;
    request.seed = options.seed;
    request.nameLimit = options.names;
    const GenerationStart start = StartGeneration(request);
    if (start.message) {
        std::cerr << start.message->text << '\n';
        return 1;
    }

    NameSettings settings;
    settings.givenCount = options.count;
    settings.fixedCharacterTicked = request.fixedCharacterTicked;
    settings.fixedPosition = options.position;
    settings.year = birth->year;
    settings.month = birth->month;
    settings.day = birth->day;
    settings.candidatesTicked = true;
    settings.threshold = options.threshold;
    FixedControls controls(settings, options.json);
    const GenerationOutcome outcome = GenerateNames(start.run, controls);
    if (options.json) {
        const nlohmann::json result = {{"names", std::move(controls.Listed())},
                                       {"tried", outcome.namesMade},
                                       {"ended", EndName(outcome.ended)},
                                       {"lacking", start.run.lackingText}};
        PrintJsonLine(result);
    }
    return 0;
}

const CommandRegistration kGenerate([](CLI::App& app, int& exitCode) {
    auto options = std::make_shared<GenerateOptions>();
    CLI::App* command = app.add_subcommand("generate", "宝宝取名: a generation run with fixed inputs");
    command->add_option("--surname", options->surname, "surname")->required();
    command->add_option("--sex", options->sex, "男 (boys' library) or 女 (girls' library)")
        ->check(CLI::IsMember({"男", "女"}))
        ->capture_default_str();
    command->add_option("--count", options->count, "given-name characters")
        ->check(CLI::Range(1, 3))
        ->capture_default_str();
    CLI::Option* fixed = command->add_option("--fixed", options->fixed, "fixed character (辈分字) of every name");
    command->add_option("--position", options->position, "position of the fixed character")
        ->check(CLI::Range(1, 3))
        ->needs(fixed)
        ->capture_default_str();
    command->add_option("--birth", options->birth, "birth date and hour YYYY-MM-DDTHH")->capture_default_str();
    command->add_option("--threshold", options->threshold, "score that makes a name a candidate")
        ->capture_default_str();
    command->add_option("--names", options->names, "names to make at most, as a run of the window at most")
        ->check(CLI::Range(1, 5000))
        ->capture_default_str();
    command->add_option("--seed", options->seed, "seed of the draws, to repeat a run");
    command->add_option("--library", options->library, "character library file instead of zm.fne / zw.fne");
    command->add_flag("--json", options->json, "print one JSON object");
    command->callback([options, &exitCode] { exitCode = Generate(*options); });
});

}  // namespace
}  // namespace velorin::cli
