// velorin-cli starsign MONTH DAY [--json]: the star sign of a birthday.
#include <iostream>
#include <memory>
#include <string>

#include "cli/CommandRegistry.h"
#include "cli/JsonOutput.h"
#include "evaluation/StarSign.h"
#include "text/Utf8Text.h"

namespace velorin::cli {
namespace {

struct StarSignOptions {
    int month = 0, day = 0;
    bool json = false;
};

void PrintStarSign(const StarSignOptions& options) {
    const std::string text = text::ReplaceAll(StarSignOf(options.month, options.day), "\r\n", "\n");
    if (!options.json) {
        std::cout << text << '\n';
        return;
    }
    const StarSignRow* row = StarSignRowOf(options.month, options.day);
    PrintJsonLine({{"month", options.month},
                   {"day", options.day},
                   {"sign", row ? std::string(row->sign) : std::string()},
                   {"text", text}});
}

const CommandRegistration kStarSign([](CLI::App& app, int&) {
    auto options = std::make_shared<StarSignOptions>();
    CLI::App* command = app.add_subcommand("starsign", "星座: the star sign of a month and day");
    command->add_option("MONTH", options->month, "month, 1 to 12")->required();
    command->add_option("DAY", options->day, "day of the month")->required();
    command->add_flag("--json", options->json, "print one JSON object");
    command->callback([options] { PrintStarSign(*options); });
});

}  // namespace
}  // namespace velorin::cli
