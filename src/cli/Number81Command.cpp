// velorin-cli number81 N [--json]: the six cells of one number of the 81-number table.
#include <iostream>
#include <memory>
#include <string>

#include "cli/CommandRegistry.h"
#include "cli/JsonOutput.h"
#include "lookups/Number81Table.h"

namespace velorin::cli {
namespace {

struct Number81Options {
    int number = 0;
    bool json = false;
};

int PrintNumber81(const Number81Options& options) {
    const Number81Table& table = Number81Table::Carried();
    if (options.number < 1 || options.number > table.Count()) {
        std::cerr << "数理须在1到81之间\n";
        return 1;
    }
    const Number81Table::Row& cells = table.Cells(options.number);
    if (options.json) {
        PrintJsonLine({{"number", options.number},
                       {"title", cells[Number81Table::Title]},
                       {"grade", cells[Number81Table::Grade]},
                       {"career", cells[Number81Table::Career]},
                       {"family", cells[Number81Table::Family]},
                       {"health", cells[Number81Table::Health]},
                       {"meaning", cells[Number81Table::Meaning]}});
    } else {
        for (const std::string& cell : cells) std::cout << cell << '\n';
    }
    return 0;
}

const CommandRegistration kNumber81([](CLI::App& app, int& exitCode) {
    auto options = std::make_shared<Number81Options>();
    CLI::App* command = app.add_subcommand("number81", "81数理: title, grade and texts of one number");
    command->add_option("N", options->number, "number 1..81")->required();
    command->add_flag("--json", options->json, "print one JSON object");
    command->callback([options, &exitCode] { exitCode = PrintNumber81(*options); });
});

}  // namespace
}  // namespace velorin::cli
