// velorin-cli: the program's core on the command line.
#include <iostream>

#include "cli/CommandRegistry.h"

namespace velorin::cli {

std::vector<CommandInstaller>& Commands() {
    static std::vector<CommandInstaller> commands;
    return commands;
}

}  // namespace velorin::cli

int main(int argc, char** argv) {
    CLI::App app{"Velorin — 宝宝取名与姓名评测 (command line)", "velorin-cli"};
    app.set_version_flag("--version", std::string("velorin-cli ") + VELORIN_VERSION);
    app.require_subcommand(1);
    int exitCode = 0;
    for (const auto& install : velorin::cli::Commands()) install(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::CallForVersion&) {
        std::cout << app.version() << '\n';
        return 0;
    } catch (const CLI::ParseError& error) {
        std::cerr << "velorin-cli: " << error.what() << '\n' << app.help();
        return 2;
    }
    return exitCode;
}
