#pragma once

// Small file tests and size texts shared by the input checks, and a reader
// that never blocks on a path that names something other than a file.
// Paths are native UTF-8 file-system paths.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lexicount {

std::filesystem::path PathFromUtf8(std::string_view path);

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

// A regular file opened for reading. Folders, FIFOs and devices are refused
// at open without blocking, so a path typed by the user can never hang the
// program.
class ReadOnlyFile {
public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // std::errc::no_such_file_or_directory, permission_denied,
    // is_a_directory, not_supported (FIFO, device, socket) or the system's
    // own error.
    std::error_code Open(const std::string& path);
    // Length when opened.
    std::uint64_t size() const { return size_; }
    // Reads up to n bytes; fewer only at the end of the file or on error.
    std::size_t Read(char* buffer, std::size_t n, std::error_code& error);

private:
    void Close();
#ifdef _WIN32
    std::FILE* file_ = nullptr;
#else
    int fd_ = -1;
#endif
    std::uint64_t size_ = 0;
};

bool IsNotFoundError(std::error_code error);

}  // namespace lexicount
