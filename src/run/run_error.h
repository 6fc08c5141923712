#pragma once

// A run-time error of a counting run, numbered as the error reports of the
// main window number them, so the user sees the same report for the same
// fault wherever it happens.

#include <stdexcept>
#include <string>
#include <system_error>

namespace lexicount {

inline constexpr int kErrOutOfMemory = 7;
inline constexpr int kErrFileNotFound = 53;
inline constexpr int kErrDeviceIO = 57;
inline constexpr int kErrPermissionDenied = 70;
inline constexpr int kErrPathFileAccess = 75;
inline constexpr int kErrPathNotFound = 76;

struct RunError : std::runtime_error {
    RunError(int number, const std::string& description) : std::runtime_error(description), number(number) {}
    int number;
};

// The number of a system error as the reports number it.
int ErrorNumberFor(std::error_code error);

}  // namespace lexicount
