#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace lexicount::cli {

// Digit grouping from the system's locale, "," when it has none.
void UseSystemNumberLocale();

// Runs one count and prints the list; returns the exit status.
int RunCount(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace lexicount::cli
