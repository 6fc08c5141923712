// lexicount-cli: counts the words of a file or of standard input with the
// same core as the window and prints the list the window would show.

#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/count_command.h"

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
    std::setlocale(LC_ALL, "");
    lexicount::cli::UseSystemNumberLocale();
    return lexicount::cli::RunCount(*options, std::cout, std::cerr);
}
