#pragma once

// The one way the program opens a file to read it: a regular file, opened
// without blocking, so a path typed by the user can never hang the program.
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
    // Reads up to n bytes from an offset, leaving Read's position alone;
    // several threads may read one file so at once.
    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n, std::error_code& error) const;

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
