#pragma once
// Runs the built velorin-cli with arguments and captures what it prints.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream file(path);
    std::stringstream buffer;
    buffer << file.rdbuf();
    return buffer.str();
}

// `arguments` is passed to the shell as it stands: quote what needs it.
inline CliResult RunCli(const std::string& arguments) {
    static int counter = 0;
    const std::string base = std::string(VELORIN_BINARY_DIR) + "/cli-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    const std::string command = std::string(VELORIN_BINARY_DIR) + "/velorin-cli " + arguments + " >" + base +
                                ".out 2>" + base + ".err";
    CliResult result;
    int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadAll(base + ".out");
    result.err = ReadAll(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return result;
}
