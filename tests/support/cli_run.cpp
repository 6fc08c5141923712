#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "support/test_support.h"

namespace lexicount::test {
namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') {
            q += "'\\''";
        } else {
            q += c;
        }
    }
    return q + "'";
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinBytes) {
    TempDir dir;
    const auto in = dir.Write("stdin", stdinBytes);
    const auto out = dir.path() / "stdout";
    const auto err = dir.path() / "stderr";
    const char* cli = std::getenv("LEXICOUNT_CLI");
    std::string command = Quote(cli != nullptr ? cli : "build/lexicount-cli");
    for (const auto& a : args) command += " " + Quote(a);
    command += " <" + Quote(in.string()) + " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFileBytes(out);
    result.err = ReadFileBytes(err);
    return result;
}

}  // namespace lexicount::test
