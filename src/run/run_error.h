#pragma once

// A run-time error of a counting run, numbered as the error reports of the
// main window number them, so the user sees the same report for the same
// fault wherever it happens.

#include <stdexcept>
#include <string>
#include <system_error>

#include "base/file_errors.h"

namespace lexicount {

struct RunError : std::runtime_error {
    RunError(int errorNumber, const std::string& description)
        : std::runtime_error(description), number(errorNumber) {}
    int number;
};

}  // namespace lexicount
