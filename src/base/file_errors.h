#pragma once

// File errors as the program's reports number and describe them, so the
// user reads the same words for the same fault wherever it happens.

#include <string>
#include <system_error>

namespace lexicount {

inline constexpr int kErrOutOfMemory = 7;
inline constexpr int kErrFileNotFound = 53;
inline constexpr int kErrDeviceIO = 57;
inline constexpr int kErrDiskFull = 61;
inline constexpr int kErrPermissionDenied = 70;
inline constexpr int kErrPathFileAccess = 75;
inline constexpr int kErrPathNotFound = 76;

// The report's number of a system error; a missing file is "File not found"
// when it was to be read, "Path not found" otherwise.
int ErrorNumberFor(std::error_code error, bool reading = false);

// The report's description of a system error, or the system's own words
// for an error the reports do not name.
std::string DescribeError(std::error_code error, bool reading = false);

}  // namespace lexicount
