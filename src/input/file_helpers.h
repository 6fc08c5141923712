#pragma once

// Small file tests and size texts shared by the input checks. Paths are
// native UTF-8 file-system paths.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "base/checked_file.h"

namespace lexicount {

// False for an empty path; true when something exists there that is not a
// folder.
bool FileExists(const std::string& strPath);

// Text after the last period of the name part; "" when the name part has no
// period. blnLowerCase lowers ASCII and Latin-1 capitals.
std::string GetFileExtension(std::string_view strPath, bool blnLowerCase);

// 1: the file starts with "PK" 3 4 and has at least 10 bytes; 0: it exists
// but does not; -1: no such file.
std::int16_t HasZipSignature(const std::string& strPath);
bool IsDocxFile(const std::string& strPath);
bool IsOdtFile(const std::string& strPath);

// "1000 bytes", "1.50 Kb", "3.00 Mb": always two decimals, locale grouping.
// intDecimals is accepted for the callers' sake and not used.
std::string FormatFileSize(std::int64_t lngBytes, int intDecimals = 2);
// FormatFileSize of the file's length, or "" for an empty path or no file.
std::string FileSizeText(const std::string& strPath, int intDecimals = 2);
// "99,999 bytes" (or "Bytes"); "" for a negative size.
std::string FormatByteCount(double dblSize, bool blnCapital);

}  // namespace lexicount
