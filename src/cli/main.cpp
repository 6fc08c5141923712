// lexicount-cli: counts the words of a file or of standard input with the
// same core as the window and prints the list the window would show.

#include <clocale>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "base/file_replace.h"
#include "cli/cli_options.h"
#include "cli/count_command.h"

namespace {

// Ctrl-C or a kill during a write leaves the previous file (files are
// replaced by renaming a complete copy); this removes the unfinished copy.
extern "C" void RemoveTemporaryAndDie(int signal) {
    lexicount::RemovePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = lexicount::cli::ParseOptions(args, error);
    if (!options) {
        std::cerr << "lexicount-cli: " << error << "\n"
                  << "Try 'lexicount-cli --help'.\n";
        return 2;
    }
    if (options->help) {
        std::cout << lexicount::cli::UsageText();
        return 0;
    }
    if (options->version) {
        std::cout << "lexicount-cli " << LEXICOUNT_VERSION << "\n";
        return 0;
    }
    std::signal(SIGINT, RemoveTemporaryAndDie);
    std::signal(SIGTERM, RemoveTemporaryAndDie);
#ifdef SIGHUP
    std::signal(SIGHUP, RemoveTemporaryAndDie);
#endif
    std::setlocale(LC_ALL, "");
    lexicount::cli::UseSystemNumberLocale();
    return lexicount::cli::RunCount(*options, std::cout, std::cerr);
}
