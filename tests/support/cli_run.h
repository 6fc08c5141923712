#pragma once

// Runs the built lexicount-cli and captures what it prints.

#include <filesystem>
#include <string>
#include <vector>

namespace lexicount::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs lexicount-cli with the arguments; stdinBytes is fed to its
// standard input.
CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinBytes = "");

}  // namespace lexicount::test
