#pragma once
// Each command of velorin-cli lives in its own file and registers itself here
// with a static CommandRegistration, so adding a command touches no other file.
#include <CLI/CLI.hpp>

#include <functional>
#include <vector>

namespace velorin::cli {

// Adds a subcommand to the application and sets its callback. The callback
// returns the process exit code (0 success, 1 a user error it has reported).
using CommandInstaller = std::function<void(CLI::App& app, int& exitCode)>;

std::vector<CommandInstaller>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(CommandInstaller installer) { Commands().push_back(std::move(installer)); }
};

}  // namespace velorin::cli
