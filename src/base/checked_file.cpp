#include "base/checked_file.h"

#include <cerrno>

#ifdef _WIN32
#include <mutex>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lexicount {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

#ifndef _WIN32
// Reads until n bytes are read, the file ends or a read fails, over the
// system's short and interrupted reads: readSome(at, k, done) reads k bytes
// into at, done bytes having been read.
template <typename ReadSome>
std::size_t ReadFully(ReadSome readSome, char* buffer, std::size_t n, std::error_code& error) {
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = readSome(buffer + got, n - got, got);
        if (r == 0) break;
        if (r < 0) {
            if (errno == EINTR) continue;
            error = LastError();
            break;
        }
        got += static_cast<std::size_t>(r);
    }
    return got;
}
#endif

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

bool IsNotFoundError(std::error_code error) {
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

ReadOnlyFile::~ReadOnlyFile() {
    Close();
}

#ifdef _WIN32

std::error_code ReadOnlyFile::Open(const std::string& path) {
    Close();
    const auto native = PathFromUtf8(path);
    std::error_code error;
    const auto status = std::filesystem::status(native, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return std::make_error_code(std::errc::no_such_file_or_directory);
    if (error) return error;
    if (std::filesystem::is_directory(status)) return std::make_error_code(std::errc::is_a_directory);
    if (!std::filesystem::is_regular_file(status)) return std::make_error_code(std::errc::not_supported);
    file_ = _wfopen(native.c_str(), L"rb");
    if (file_ == nullptr) return LastError();
    size_ = std::filesystem::file_size(native, error);
    return {};
}

std::size_t ReadOnlyFile::Read(char* buffer, std::size_t n, std::error_code& error) {
    if (file_ == nullptr) {
        error = std::make_error_code(std::errc::bad_file_descriptor);
        return 0;
    }
    const std::size_t got = std::fread(buffer, 1, n, file_);
    if (got < n && std::ferror(file_)) error = std::make_error_code(std::errc::io_error);
    return got;
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t n,
                                 std::error_code& error) const {
    // One position for every reader: they take turns.
    static std::mutex turns;
    const std::lock_guard lock(turns);
    if (file_ == nullptr || _fseeki64(file_, static_cast<long long>(offset), SEEK_SET) != 0) {
        error = std::make_error_code(std::errc::io_error);
        return 0;
    }
    const std::size_t got = std::fread(buffer, 1, n, file_);
    if (got < n && std::ferror(file_)) error = std::make_error_code(std::errc::io_error);
    return got;
}

void ReadOnlyFile::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

#else

std::error_code ReadOnlyFile::Open(const std::string& path) {
    Close();
    // Refuse before opening: opening a device may have side effects, and a
    // FIFO without a writer would block.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return LastError();
    if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::not_supported);
    // The path may have been replaced since; O_NONBLOCK and the second check
    // keep that from blocking too.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return LastError();
    std::error_code error;
    if (::fstat(fd, &info) != 0) {
        error = LastError();
    } else if (!S_ISREG(info.st_mode)) {
        error = std::make_error_code(std::errc::not_supported);
    }
    if (error) {
        ::close(fd);
        return error;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
    return {};
}

std::size_t ReadOnlyFile::Read(char* buffer, std::size_t n, std::error_code& error) {
    return ReadFully([this](char* at, std::size_t k, std::size_t) { return ::read(fd_, at, k); }, buffer, n,
                     error);
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t n,
                                 std::error_code& error) const {
    return ReadFully(
        [this, offset](char* at, std::size_t k, std::size_t done) {
            return ::pread(fd_, at, k, static_cast<off_t>(offset + done));
        },
        buffer, n, error);
}

void ReadOnlyFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

#endif

}  // namespace lexicount
