#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(Cli, PrintsVersionAndHelp) {
    CliResult version = RunCli("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_NE(version.out.find("27.0"), std::string::npos);
    CliResult help = RunCli("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("velorin-cli"), std::string::npos);
}

TEST(Cli, RejectsUnknownCommandsWithUsage) {
    CliResult result = RunCli("frobnicate");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("velorin-cli:"), std::string::npos);
    EXPECT_NE(result.err.find("Usage"), std::string::npos);
}
